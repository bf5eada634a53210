#include "platform/editbox/Label.h"

#include <cmath>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

void requireFinite(float value) {
    if (!std::isfinite(value)) raiseError(kErrInvalidPropertyValue);
}

void requireExtent(float value) {
    if (!(std::isfinite(value) && value >= 0)) raiseError(kErrInvalidPropertyValue);
}

void requireZeroOrOne(std::int16_t value) {
    if (value != 0 && value != 1) raiseError(kErrInvalidPropertyValue);
}

}  // namespace

void Label::setLeft(float left) {
    requireFinite(left);
    left_ = left;
}

void Label::setTop(float top) {
    requireFinite(top);
    top_ = top;
}

void Label::setWidth(float width) {
    requireExtent(width);
    width_ = width;
}

void Label::setHeight(float height) {
    requireExtent(height);
    height_ = height;
}

void Label::move(float left, float top, float width, float height) {
    requireFinite(left);
    requireFinite(top);
    requireExtent(width);
    requireExtent(height);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void Label::setBorderStyle(std::int16_t style) {
    requireZeroOrOne(style);
    borderStyle_ = style;
}

void Label::setAppearance(std::int16_t appearance) {
    requireZeroOrOne(appearance);
    appearance_ = appearance;
}

}  // namespace quelta
