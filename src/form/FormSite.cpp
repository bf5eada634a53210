#include "form/FormSite.h"

#include <algorithm>
#include <utility>

#include "platform/container/PropertyBag.h"

namespace quelta {

enum class FormSite::Key : std::uint8_t {
    Name,
    Left,
    Top,
    TabIndex,
    ToolTipText,
    HelpContextID,
    WhatsThisHelpID,
    Tag,
    Visible,
    TabStop,
    RightToLeft,
    DataChanged,
};

namespace {

constexpr std::int32_t kErrReadOnly = 383;  // the name is fixed where the site was placed

}  // namespace

// Keys compare as a property bag's do, so that a site answers the names a bag would.
std::optional<FormSite::Key> FormSite::keyNamed(StringView name) {
    constexpr std::pair<std::u16string_view, Key> kKeys[] = {
        {u"Name", Key::Name},
        {u"Left", Key::Left},
        {u"Top", Key::Top},
        {u"TabIndex", Key::TabIndex},
        {u"ToolTipText", Key::ToolTipText},
        {u"HelpContextID", Key::HelpContextID},
        {u"WhatsThisHelpID", Key::WhatsThisHelpID},
        {u"Tag", Key::Tag},
        {u"Visible", Key::Visible},
        {u"TabStop", Key::TabStop},
        {u"RightToLeft", Key::RightToLeft},
        {u"DataChanged", Key::DataChanged},
    };
    for (const auto& [keyName, key] : kKeys) {
        if (name.size() == keyName.size() && equalsIgnoringAsciiCase(name, keyName)) return key;
    }
    // Another letter may still fold to one of these (the long s to "s").
    if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c <= 0x7F; }))
        return std::nullopt;
    for (const auto& [keyName, key] : kKeys) {
        if (sameKey(name, keyName)) return key;
    }
    return std::nullopt;
}

namespace {

// A place as the form was given it, as long as it is a number: a file's whole number stays
// whole when the form is saved again.
Variant placeValue(const Variant& value) {
    switch (value.type()) {
        case VariantType::Integer:
        case VariantType::Long:
        case VariantType::Single:
        case VariantType::Double:
            return value;
        default:
            return Variant(value.toDouble());
    }
}

}  // namespace

FormSite::FormSite(WindowHandle formWindow, String name, std::int16_t tabIndex,
                   const bool& userMode)
    : BasicContainer(formWindow),
      userMode_(userMode),
      name_(std::move(name)),
      tabIndex_(tabIndex) {}

// Every value but the place, which the site has once the form gave it.
bool FormSite::holds(Key key) const {
    if (key == Key::Left) return !left_.isEmpty();
    if (key == Key::Top) return !top_.isEmpty();
    return true;
}

Variant FormSite::extenderProperty(StringView name) const {
    const std::optional<Key> key = keyNamed(name);
    if (!key || !holds(*key)) raiseError(kErrNotSupported);
    switch (*key) {
        case Key::Name:
            return Variant(name_);
        case Key::Left:
            return left_;
        case Key::Top:
            return top_;
        case Key::TabIndex:
            return Variant(tabIndex_);
        case Key::ToolTipText:
            return Variant(toolTipText_);
        case Key::HelpContextID:
            return Variant(helpContextID_);
        case Key::WhatsThisHelpID:
            return Variant(whatsThisHelpID_);
        case Key::Tag:
            return Variant(tag_);
        case Key::Visible:
            return Variant::boolean(visible_);
        case Key::TabStop:
            return Variant::boolean(tabStop_);
        case Key::RightToLeft:
            return Variant::boolean(rightToLeft_);
        case Key::DataChanged:
            return Variant::boolean(dataChanged_);
    }
    raiseError(kErrNotSupported);
}

bool FormSite::hasExtenderProperty(StringView name) const {
    const std::optional<Key> key = keyNamed(name);
    return key && holds(*key);
}

void FormSite::setExtenderProperty(StringView name, const Variant& value) {
    const std::optional<Key> key = keyNamed(name);
    if (!key || !holds(*key)) raiseError(kErrNotSupported);
    write(*key, value);
}

void FormSite::defineExtenderProperty(StringView name, const Variant& value) {
    const std::optional<Key> key = keyNamed(name);
    if (!key) raiseError(kErrNotSupported);
    write(*key, value);
}

void FormSite::write(Key key, const Variant& value) {
    switch (key) {
        case Key::Name:
            if (value.toString() != name_) raiseError(kErrReadOnly);
            break;
        case Key::Left:
            left_ = placeValue(value);
            break;
        case Key::Top:
            top_ = placeValue(value);
            break;
        case Key::TabIndex:
            tabIndex_ = value.toInteger();
            break;
        case Key::ToolTipText:
            toolTipText_ = value.toString();
            break;
        case Key::HelpContextID:
            helpContextID_ = value.toLong();
            break;
        case Key::WhatsThisHelpID:
            whatsThisHelpID_ = value.toLong();
            break;
        case Key::Tag:
            tag_ = value.toString();
            break;
        case Key::Visible:
            visible_ = value.toBool();
            break;
        case Key::TabStop:
            tabStop_ = value.toBool();
            break;
        case Key::RightToLeft:
            rightToLeft_ = value.toBool();
            break;
        case Key::DataChanged:
            dataChanged_ = value.toBool();
            break;
    }
}

void FormSite::raiseEvent(std::int32_t dispid, std::span<Variant> arguments) {
    if (listener_) listener_->siteEvent(name_, dispid, arguments);
}

void FormSite::propertyChanged(StringView name) {
    if (listener_) listener_->siteChanged(name_, name);
}

}  // namespace quelta
