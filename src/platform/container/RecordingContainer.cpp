#include "platform/container/RecordingContainer.h"

#include <cmath>

namespace quelta {
namespace {

bool validUnit(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace

RecordingContainer::RecordingContainer(WindowHandle parent) : BasicContainer(parent) {
    // The defaults below, and the position a form gives its controls.
    extender_.reserve(12);
    extender_.write(u"Name", Variant(String(u"Quelta1")));
    extender_.write(u"RightToLeft", Variant::boolean(false));
    extender_.write(u"WhatsThisHelpID", Variant(std::int32_t{0}));
    extender_.write(u"HelpContextID", Variant(std::int32_t{0}));
    extender_.write(u"ToolTipText", Variant(String()));
    extender_.write(u"DataChanged", Variant::boolean(false));
    extender_.write(u"Visible", Variant::boolean(true));
    extender_.write(u"TabStop", Variant::boolean(true));
    extender_.write(u"TabIndex", Variant(std::int16_t{0}));
    extender_.write(u"Tag", Variant(String()));
}

Variant RecordingContainer::extenderProperty(StringView name) const {
    if (!extender_.contains(name)) raiseError(kErrNotSupported);
    return extender_.read(name);
}

void RecordingContainer::setExtenderProperty(StringView name, const Variant& value) {
    if (!extender_.contains(name)) raiseError(kErrNotSupported);
    extender_.write(name, value);
}

void RecordingContainer::defineExtenderProperty(StringView name, const Variant& value) {
    extender_.write(name, value);
}

bool RecordingContainer::removeExtenderProperty(StringView name) {
    return extender_.erase(name);
}

void RecordingContainer::propertyChanged(StringView name) {
    changedProperties_.emplace_back(name);
}

// The event is recorded before the handler runs, so that a handler that fails (its error
// reaches the control) or raises further events still leaves the events in raising order.
void RecordingContainer::raiseEvent(std::int32_t dispid, std::span<Variant> arguments) {
    const std::size_t index = raisedEvents_.size();
    raisedEvents_.push_back({dispid, {arguments.begin(), arguments.end()}, {}});
    if (eventHandler_) {
        auto handler = eventHandler_;  // the handler may replace itself
        handler(dispid, arguments);
    }
    raisedEvents_[index].returned.assign(arguments.begin(), arguments.end());
}

void RecordingContainer::setContainerScale(double twipsPerUnitX, double twipsPerUnitY) {
    if (!validUnit(twipsPerUnitX) || !validUnit(twipsPerUnitY)) {
        raiseError(kErrInvalidPropertyValue);
    }
    containerTwipsPerUnitX_ = twipsPerUnitX;
    containerTwipsPerUnitY_ = twipsPerUnitY;
}

void RecordingContainer::setHelpFile(const String& path) {
    helpFiles_.push_back(path);
}

void RecordingContainer::clearRecords() {
    changedProperties_.clear();
    raisedEvents_.clear();
    helpFiles_.clear();
    errors_.clear();
    resizeCount_ = 0;
}

}  // namespace quelta
