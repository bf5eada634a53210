#pragma once
// The place of one control on a form: the container services the control talks to. It
// passes the control's events and property-changed notifications on to the form's listener
// as they happen, instead of recording them, so that a long-running host keeps no history.
//
// A site keeps the extender values a form has for a control (its name, place, tab index,
// tooltip, help numbers and the flags a control may read) as plain fields rather than a
// bag: a form of ten thousand controls holds ten thousand sites.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/container/BasicContainer.h"

namespace quelta {

// Hears what the controls of a form's sites tell their host, with the name of the site.
class SiteListener {
public:
    virtual ~SiteListener() = default;
    virtual void siteEvent(const String& site, std::int32_t dispid,
                           std::span<Variant> arguments) = 0;
    virtual void siteChanged(const String& site, StringView property) = 0;
};

class FormSite : public BasicContainer {
public:
    FormSite(WindowHandle formWindow, String name, std::int16_t tabIndex, const bool& userMode);

    // The listener must outlive the site; every site of a form shares its form's, so that
    // a site costs no listener of its own. Null: nothing is passed on.
    void setListener(SiteListener* listener) { listener_ = listener; }

    // The name the site was placed under, which its events and changes carry.
    const String& name() const { return name_; }

    bool userMode() const override { return userMode_; }
    // The extender values by name in any letter case: Name, Left and Top once the form placed
    // the control, TabIndex, ToolTipText, HelpContextID, WhatsThisHelpID, Tag, Visible,
    // TabStop, RightToLeft, DataChanged; error 438 for any other. A written value takes the
    // value's type (error 13 when it does not convert); the name is fixed where the site was
    // placed, and writing it is error 383.
    Variant extenderProperty(StringView name) const override;
    void setExtenderProperty(StringView name, const Variant& value) override;
    // As setExtenderProperty, and also gives the control its first Left or Top.
    void defineExtenderProperty(StringView name, const Variant& value);
    // Whether the site has that value (Left and Top only once defined).
    bool hasExtenderProperty(StringView name) const;

    // The values a form file keeps of the site, for the form that stores them; the place
    // is Empty until the form gives it.
    const Variant& left() const { return left_; }
    const Variant& top() const { return top_; }
    const String& toolTipText() const { return toolTipText_; }
    std::int32_t helpContextID() const { return helpContextID_; }
    std::int32_t whatsThisHelpID() const { return whatsThisHelpID_; }

    void raiseEvent(std::int32_t dispid, std::span<Variant> arguments) override;
    void propertyChanged(StringView name) override;
    // A form opens no help and shows no errors of its own: a control's error reaches its
    // caller, so the site keeps neither.
    void setHelpFile(const String&) override {}
    void reportError(std::int32_t) override {}

private:
    enum class Key : std::uint8_t;
    static std::optional<Key> keyNamed(StringView name);
    bool holds(Key key) const;
    void write(Key key, const Variant& value);

    const bool& userMode_;  // the form's, read afresh at each call
    SiteListener* listener_ = nullptr;
    String name_;
    Variant left_;  // Empty until the form places the control; as given otherwise
    Variant top_;
    String toolTipText_;
    String tag_;
    std::int32_t helpContextID_ = 0;
    std::int32_t whatsThisHelpID_ = 0;
    std::int16_t tabIndex_ = 0;
    bool rightToLeft_ = false;
    bool dataChanged_ = false;
    bool visible_ = true;
    bool tabStop_ = true;
};

}  // namespace quelta
