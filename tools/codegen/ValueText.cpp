#include "ValueText.h"

#include <cstdio>

#include "PublicNames.h"
#include "platform/String.h"

namespace quelta::codegen {
namespace {

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X&", value);
    return text;
}

std::string constantOf(const MemberInfo& member, std::int64_t value) {
    if (member.enumeration != nullptr) {
        for (const EnumConstant& constant : member.enumeration->constants) {
            if (constant.value == value) return constantName(constant.name);
        }
    }
    return std::to_string(value);
}

std::string numberText(const MemberInfo& member, std::int64_t value) {
    switch (member.type) {
        case ValueType::Boolean:
            return value != 0 ? "True" : "False";
        case ValueType::Color:
            return hex(static_cast<std::uint32_t>(value));
        case ValueType::Enumeration:
            return std::to_string(value) + " (" + constantOf(member, value) + ")";
        default:
            return std::to_string(value);
    }
}

}  // namespace

std::string defaultText(const MemberInfo& member) {
    std::string text;
    switch (member.byDefault.kind) {
        case DefaultValue::Kind::None:
            return "—";
        case DefaultValue::Kind::Number:
            text = numberText(member, member.byDefault.number);
            break;
        case DefaultValue::Kind::Text:
            text = "\"" + toUtf8(member.byDefault.text) + "\"";
            break;
        case DefaultValue::Kind::AmbientFont:
            text = "the host's font";
            break;
        case DefaultValue::Kind::NoPicture:
            text = "none";
            break;
    }
    if (!member.newControl.fromExtender.empty()) {
        text += "; a new control takes the host's " + std::string(member.newControl.fromExtender);
    }
    return text;
}

std::string acceptedValues(const MemberInfo& member) {
    if (member.type == ValueType::Boolean) return "True, False";
    if (member.enumeration == nullptr || !member.onlyConstants) return "—";
    std::string list;
    for (const EnumConstant& constant : member.enumeration->constants) {
        if (!list.empty()) list += ", ";
        list += std::to_string(constant.value) + " " + constantName(constant.name) + " (" +
                std::string(constant.caption) + ")";
    }
    return list;
}

}  // namespace quelta::codegen
