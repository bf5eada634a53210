#pragma once
// A ready container for one control, for tests and simple hosts: every service of
// ControlContainer with settable ambient properties and extender, and a record of what the
// control told its host (changed properties, raised events, help file, errors). Use it on
// one thread only; it owns the control's window and destroys it with itself.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/container/BasicContainer.h"
#include "platform/container/PropertyBag.h"

namespace quelta {

class RecordingContainer : public BasicContainer {
public:
    struct RaisedEvent {
        std::int32_t dispid = 0;
        std::vector<Variant> arguments;  // as the control raised them
        std::vector<Variant> returned;   // as the handler left them (empty if it failed)
    };
    using EventHandler = std::function<void(std::int32_t dispid, std::span<Variant> arguments)>;

    // Creates the control's window, as a child of parent when one is given.
    explicit RecordingContainer(WindowHandle parent = 0);

    // ControlContainer
    bool userMode() const override { return userMode_; }
    Variant extenderProperty(StringView name) const override;
    void setExtenderProperty(StringView name, const Variant& value) override;
    void propertyChanged(StringView name) override;
    void raiseEvent(std::int32_t dispid, std::span<Variant> arguments) override;
    double containerTwipsPerUnitX() const override { return containerTwipsPerUnitX_; }
    double containerTwipsPerUnitY() const override { return containerTwipsPerUnitY_; }
    void setHelpFile(const String& path) override;
    void reportError(std::int32_t number) override { errors_.push_back(number); }

    // Host-side settings.
    void setUserMode(bool userMode) { userMode_ = userMode; }
    // Adds or replaces an extender property, or removes it so that reading it fails.
    void defineExtenderProperty(StringView name, const Variant& value);
    bool removeExtenderProperty(StringView name);
    // Every extender property the host defined, for saving them with the control.
    const PropertyBag& extenderProperties() const { return extender_; }
    // Twips per unit of the container's scale; error 380 unless positive and finite.
    void setContainerScale(double twipsPerUnitX, double twipsPerUnitY);
    void setEventHandler(EventHandler handler) { eventHandler_ = std::move(handler); }

    // What the control told its host.
    const std::vector<String>& changedProperties() const { return changedProperties_; }
    const std::vector<RaisedEvent>& raisedEvents() const { return raisedEvents_; }
    const std::vector<String>& helpFiles() const { return helpFiles_; }
    const std::vector<std::int32_t>& errors() const { return errors_; }
    int resizeCount() const { return resizeCount_; }
    void clearRecords();

private:
    void sizeChanged() override { ++resizeCount_; }

    bool userMode_ = true;
    PropertyBag extender_;
    double containerTwipsPerUnitX_ = 1;
    double containerTwipsPerUnitY_ = 1;
    EventHandler eventHandler_;

    std::vector<String> changedProperties_;
    std::vector<RaisedEvent> raisedEvents_;
    std::vector<String> helpFiles_;
    std::vector<std::int32_t> errors_;
    int resizeCount_ = 0;
};

}  // namespace quelta
