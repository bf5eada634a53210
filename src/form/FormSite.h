#pragma once
// The place of one control on a form: the container services the control talks to. It
// passes the control's events and property-changed notifications on to the form's listener
// as they happen, instead of recording them, so that a long-running host keeps no history.

#include <functional>

#include "platform/container/RecordingContainer.h"

namespace quelta {

class FormSite : public RecordingContainer {
public:
    using EventListener = std::function<void(std::int32_t dispid, std::span<Variant> arguments)>;
    using ChangeListener = std::function<void(StringView property)>;

    FormSite(WindowHandle formWindow, String name, std::int16_t tabIndex, const bool& userMode);

    bool userMode() const override { return userMode_; }
    void raiseEvent(std::int32_t dispid, std::span<Variant> arguments) override;
    void propertyChanged(StringView name) override;

    void setEventListener(EventListener listener) { eventListener_ = std::move(listener); }
    void setChangeListener(ChangeListener listener) { changeListener_ = std::move(listener); }

private:
    const bool& userMode_;  // the form's, read afresh at each call
    EventListener eventListener_;
    ChangeListener changeListener_;
};

}  // namespace quelta
