#include "form/SiteMembers.h"

#include <cmath>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

enum class Member { Left, Top, Width, Height, ToolTipText };

std::optional<Member> memberNamed(StringView name) {
    constexpr std::pair<std::u16string_view, Member> kMembers[] = {
        {u"Left", Member::Left},
        {u"Top", Member::Top},
        {u"Width", Member::Width},
        {u"Height", Member::Height},
        {u"ToolTipText", Member::ToolTipText}};
    for (const auto& [memberName, member] : kMembers) {
        if (equalsIgnoringAsciiCase(name, memberName)) return member;
    }
    return std::nullopt;
}

// A place the form never set is the form's corner.
float placeOf(const FormSite& site, StringView key) {
    return site.hasExtenderProperty(key) ? site.extenderProperty(key).toSingle() : 0.0F;
}

float twipsOf(const Variant& value) {
    const float twips = value.toSingle();
    if (!std::isfinite(twips)) raiseError(kErrInvalidPropertyValue);
    return twips;
}

}  // namespace

bool isSiteMember(StringView name) {
    return memberNamed(name).has_value();
}

std::optional<Variant> siteMember(const FormSite& site, StringView name) {
    const std::optional<Member> member = memberNamed(name);
    if (!member) return std::nullopt;
    switch (*member) {
        case Member::Left:
            return Variant(placeOf(site, u"Left"));
        case Member::Top:
            return Variant(placeOf(site, u"Top"));
        case Member::Width:
            return Variant(site.width());
        case Member::Height:
            return Variant(site.height());
        case Member::ToolTipText:
            break;
    }
    return site.extenderProperty(u"ToolTipText");
}

bool setSiteMember(FormSite& site, StringView name, const Variant& value) {
    const std::optional<Member> member = memberNamed(name);
    if (!member) return false;
    switch (*member) {
        case Member::Left:
            site.defineExtenderProperty(u"Left", Variant(twipsOf(value)));
            break;
        case Member::Top:
            site.defineExtenderProperty(u"Top", Variant(twipsOf(value)));
            break;
        case Member::Width:
            site.setSize(twipsOf(value), site.height());
            break;
        case Member::Height:
            site.setSize(site.width(), twipsOf(value));
            break;
        case Member::ToolTipText:
            site.defineExtenderProperty(u"ToolTipText", Variant(value.toString()));
            break;
    }
    return true;
}

}  // namespace quelta
