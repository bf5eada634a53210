#include "platform/container/BasicContainer.h"

#include <cmath>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

bool validLength(float value) {
    return std::isfinite(value) && value >= 0;
}

}  // namespace

FontRef BasicContainer::defaultAmbientFont() {
    thread_local const FontRef font = std::make_shared<Font>();
    return font;
}

BasicContainer::BasicContainer(WindowHandle parent) {
    const std::uint32_t childStyle = parent != 0 ? WS_CHILD : 0;
    window_ = createWindow({u"QueltaHost", childStyle | WS_VISIBLE, 0, parent, nullptr});
}

BasicContainer::~BasicContainer() {
    destroyWindow(window_);
}

void BasicContainer::setEnabled(bool enabled) {
    enabled_ = enabled;
    EnableWindow(window_, enabled);
}

void BasicContainer::setSize(float width, float height) {
    if (!validLength(width) || !validLength(height)) raiseError(kErrInvalidPropertyValue);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    sizeChanged();
    if (resizeHandler_) {
        auto handler = resizeHandler_;  // the control may register another one meanwhile
        handler();
    }
}

void BasicContainer::setResizeHandler(std::function<void()> handler) {
    resizeHandler_ = std::move(handler);
}

void BasicContainer::setAmbientFont(FontRef font) {
    ambientFont_ = font ? std::move(font) : defaultAmbientFont();
}

FontRef BasicContainer::drawingFont() const {
    return drawingFont_ ? drawingFont_ : ambientFont_;
}

}  // namespace quelta
