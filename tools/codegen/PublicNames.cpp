#include "PublicNames.h"

#include <cctype>

namespace quelta::codegen {
namespace {

// Lowers the leading capitals, keeping the last of a run that starts the next word:
// "OLEDragMode" -> "oleDragMode", "AutoTab" -> "autoTab", "Col" -> "col".
std::string lowerCamel(std::string_view name) {
    std::string result(name);
    std::size_t upper = 0;
    while (upper < result.size() && std::isupper(static_cast<unsigned char>(result[upper])))
        ++upper;
    if (upper > 1 && upper < result.size()) --upper;
    for (std::size_t i = 0; i < upper; ++i)
        result[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(result[i])));
    return result;
}

std::string_view withoutPrefix(std::string_view name, std::string_view prefix) {
    return name.starts_with(prefix) ? name.substr(prefix.size()) : name;
}

}  // namespace

std::string getterName(std::string_view member) {
    return lowerCamel(member);
}

std::string setterName(std::string_view member) {
    return "set" + std::string(member);
}

std::string handlerName(std::string_view event) {
    return "on" + std::string(event);
}

std::string parameterName(std::string_view parameter) {
    return lowerCamel(parameter);
}

std::string enumerationName(std::string_view enumeration) {
    std::string_view name = withoutPrefix(enumeration, "qlta");
    if (name.ends_with("Properties")) name.remove_suffix(std::string_view("Properties").size());
    return std::string(name);
}

std::string constantName(std::string_view constant) {
    return std::string(withoutPrefix(constant, "qlta"));
}

std::optional<std::string> publicType(ValueType type, std::string_view enumeration) {
    switch (type) {
        case ValueType::Boolean:
            return "bool";
        case ValueType::Integer:
            return "std::int16_t";
        case ValueType::Long:
            return "std::int32_t";
        case ValueType::Single:
            return "float";
        case ValueType::String:
            return "std::string";
        case ValueType::Color:
            return "std::uint32_t";
        case ValueType::Font:
            return "FontSpec";
        case ValueType::Picture:
            return "std::string";  // the file the picture comes from
        case ValueType::Enumeration:
            return enumerationName(enumeration);
        case ValueType::None:
        case ValueType::DataObject:
            break;
    }
    return std::nullopt;
}

std::string_view enumerationOf(const MemberInfo& member) {
    return member.enumeration != nullptr ? member.enumeration->name : std::string_view();
}

std::string_view enumerationOf(const ParameterInfo&) {
    return {};  // parameters are numbers, Booleans and objects only
}

std::optional<std::string> publicType(const MemberInfo& member) {
    return publicType(member.type, enumerationOf(member));
}

std::optional<std::string> publicType(const ParameterInfo& parameter) {
    return publicType(parameter.type, enumerationOf(parameter));
}

std::optional<std::string_view> leftOutBecause(const MemberInfo& member) {
    if (member.name == "hWnd") return "a handle of the library's own window system";
    if (member.name == "TextDefault") return "Text under the name a host uses without one";
    if (member.name == "AboutBox") return "its dialog runs in a host of the platform's dialogs";
    if (member.name == "OLEDrag") return "drag and drop needs the platform's data objects";
    if (member.kind == MemberKind::Property && !member.read && !member.write)
        return "not offered by this build";
    if (member.kind == MemberKind::Method && !member.call) return "not offered by this build";
    return std::nullopt;
}

std::optional<std::string_view> leftOutBecause(const EventInfo& event) {
    for (const ParameterInfo& parameter : event.parameters) {
        if (!publicType(parameter)) return "drag and drop needs the platform's data objects";
    }
    return std::nullopt;
}

}  // namespace quelta::codegen
