#pragma once
// The place of one control on a form: the container services the control talks to. It
// passes the control's events and property-changed notifications on to the form's listener
// as they happen, instead of recording them, so that a long-running host keeps no history.

#include <cstdint>
#include <span>

#include "platform/container/RecordingContainer.h"

namespace quelta {

// Hears what the controls of a form's sites tell their host, with the name of the site.
class SiteListener {
public:
    virtual ~SiteListener() = default;
    virtual void siteEvent(const String& site, std::int32_t dispid,
                           std::span<Variant> arguments) = 0;
    virtual void siteChanged(const String& site, StringView property) = 0;
};

class FormSite : public RecordingContainer {
public:
    FormSite(WindowHandle formWindow, String name, std::int16_t tabIndex, const bool& userMode);

    // The listener must outlive the site; every site of a form shares its form's, so that
    // a site costs no listener of its own. Null: nothing is passed on.
    void setListener(SiteListener* listener) { listener_ = listener; }

    // The name the site was placed under, which its events and changes carry.
    const String& name() const { return name_; }

    bool userMode() const override { return userMode_; }
    void raiseEvent(std::int32_t dispid, std::span<Variant> arguments) override;
    void propertyChanged(StringView name) override;

private:
    const bool& userMode_;  // the form's, read afresh at each call
    SiteListener* listener_ = nullptr;
    String name_;
};

}  // namespace quelta
