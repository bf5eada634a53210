#include "ReferencePage.h"

#include <cstdio>
#include <memory>

#include "Fill.h"
#include "PublicNames.h"
#include "api/Dispatch.h"
#include "control/Quelta.h"
#include "platform/container/Picture.h"
#include "platform/container/RecordingContainer.h"
#include "platform/fonts/Font.h"
#include "platform/runtime/Conversions.h"

namespace quelta::codegen {
namespace {

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X&", value);
    return text;
}

std::string constantOf(std::string_view enumeration, std::int32_t value) {
    if (const EnumerationInfo* info = enumerationByName(enumeration)) {
        for (const EnumConstant& constant : info->constants) {
            if (constant.value == value) return constantName(constant.name);
        }
    }
    return std::to_string(value);
}

// A default as the page shows it, in the words of the property's type.
std::string valueText(const MemberInfo& member, const Variant& value) {
    switch (member.type) {
        case ValueType::Boolean:
            return value.toBool() ? "True" : "False";
        case ValueType::String:
            return "\"" + toUtf8(value.toString()) + "\"";
        case ValueType::Color:
            return hex(static_cast<std::uint32_t>(value.toLong()));
        case ValueType::Enumeration:
            return std::to_string(value.toLong()) + " (" +
                   constantOf(enumerationOf(member), value.toLong()) + ")";
        case ValueType::Font: {
            auto font = std::dynamic_pointer_cast<Font>(value.toObject());
            if (!font) return "none";
            return toUtf8(font->name()) + ", " + toUtf8(singleToText(font->size())) + " pt";
        }
        case ValueType::Picture: {
            auto picture = std::dynamic_pointer_cast<Picture>(value.toObject());
            return picture && !picture->source().empty() ? toUtf8(picture->source()) : "none";
        }
        default:
            return toUtf8(value.toString());
    }
}

// What a new control holds, read through dispatch as a host reads it; a dash where the
// value depends on the run (a window handle) or needs an argument.
std::string defaultOf(Quelta& control, const MemberInfo& member) {
    if (member.kind == MemberKind::Method || !member.readable() || !member.read ||
        !member.parameters.empty() || member.name == "hWnd") {
        return "—";
    }
    try {
        return valueText(member, Invoke(control, member.dispid, InvokeKind::PropertyGet, {}));
    } catch (const AutomationError& error) {
        return "Error " + std::to_string(error.number());
    }
}

std::string acceptedValues(const MemberInfo& member) {
    if (member.type == ValueType::Boolean) return "True, False";
    if (member.type != ValueType::Enumeration) return "—";
    std::string list;
    if (const EnumerationInfo* info = enumerationByName(enumerationOf(member))) {
        for (const EnumConstant& constant : info->constants) {
            if (!list.empty()) list += ", ";
            list += std::to_string(constant.value) + " " + constantName(constant.name);
        }
    }
    return list;
}

std::string typeName(ValueType type, std::string_view enumeration) {
    switch (type) {
        case ValueType::Boolean:
            return "Boolean";
        case ValueType::Integer:
            return "Integer";
        case ValueType::Long:
            return "Long";
        case ValueType::Single:
            return "Single";
        case ValueType::String:
            return "String";
        case ValueType::Color:
            return "OLE_COLOR";
        case ValueType::Font:
            return "Font";
        case ValueType::Picture:
            return "Picture";
        case ValueType::DataObject:
            return "DataObject";
        case ValueType::Enumeration:
            return enumerationName(enumeration);
        case ValueType::None:
            break;
    }
    return "—";
}

std::string accessText(const MemberInfo& member) {
    if (member.access & kSet) return "get/set";
    if (member.access & kLet) return "get/let";
    return "get";
}

// The C++ accessors of the typed front, or why it leaves the member out.
std::string frontText(const MemberInfo& member) {
    if (auto reason = leftOutBecause(member)) return "— (" + std::string(*reason) + ")";
    if (member.kind == MemberKind::Method) return "`" + getterName(member.name) + "()`";
    std::string text = "`" + getterName(member.name) + "()`";
    if (member.write) text += ", `" + setterName(member.name) + "()`";
    return text;
}

std::string description(const MemberInfo& member) {
    std::string text(member.helpString.empty() ? "—" : member.helpString);
    if (member.designTimeOnly) text += " Design time only (Error 382 while the application runs).";
    return text;
}

void appendProperties(std::string& out, Quelta& control) {
    out +=
        "## Properties\n\n"
        "| Property | Access | Type | Default | Accepted values | C++ | Description |\n"
        "|---|---|---|---|---|---|---|\n";
    for (const MemberInfo& member : members()) {
        if (member.kind != MemberKind::Property) continue;
        out += fill("| `{}` | {} | {} | {} | {} | {} | {} |\n",
                    {member.name, accessText(member), typeName(member.type, enumerationOf(member)),
                     defaultOf(control, member), acceptedValues(member), frontText(member),
                     description(member)});
    }
}

void appendMethods(std::string& out) {
    out += "\n## Methods\n\n| Method | C++ | Description |\n|---|---|---|\n";
    for (const MemberInfo& member : members()) {
        if (member.kind != MemberKind::Method) continue;
        out += fill("| `{}` | {} | {} |\n", {member.name, frontText(member), description(member)});
    }
}

std::string eventParameters(const EventInfo& event) {
    std::string list;
    for (const ParameterInfo& parameter : event.parameters) {
        if (!list.empty()) list += ", ";
        list +=
            std::string(parameter.name) + " " + typeName(parameter.type, enumerationOf(parameter));
    }
    return list.empty() ? "—" : list;
}

void appendEvents(std::string& out) {
    out +=
        "\n## Events\n\nEvery argument is passed by reference: what a handler leaves in it "
        "is what the control goes on with.\n\n"
        "| Event | Arguments | C++ | Description |\n|---|---|---|---|\n";
    for (const EventInfo& event : events()) {
        std::string front = "`" + handlerName(event.name) + "()`";
        if (auto reason = leftOutBecause(event)) front = "— (" + std::string(*reason) + ")";
        out += fill("| `{}` | {} | {} | {} |\n",
                    {event.name, eventParameters(event), front, event.helpString});
    }
}

}  // namespace

std::string referencePage() {
    RecordingContainer site;
    Quelta control(site);
    startControl(control, nullptr);

    std::string out =
        "# Quelta reference\n\n"
        "<!-- Generated by tools/codegen from the control's member table: do not edit; run\n"
        "     `cmake --build build --target quelta-regenerate` after a change of the table. -->\n\n"
        "Every member of the control as a host reaches it by name (the script language, form\n"
        "files, the Qt widget's `invoke`) and, in the column C++, as the typed front of\n"
        "`include/quelta/` offers it. Defaults are those of a new control in the `en-US` "
        "region.\n\n";
    appendProperties(out, control);
    appendMethods(out);
    appendEvents(out);
    return out;
}

}  // namespace quelta::codegen
