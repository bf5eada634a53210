#include "QtWidgetText.h"

#include <stdexcept>
#include <vector>

#include "Fill.h"
#include "PublicNames.h"

namespace quelta::codegen {
namespace {

constexpr std::string_view kBeginMark = "    // BEGIN properties generated from the member table";
constexpr std::string_view kEndMark = "    // END properties generated from the member table";

// A member as the widget offers it.
struct QtMember {
    const MemberInfo* row;
    std::string name;  // dataType
    std::string type;  // DataType, QString, ...
};

std::string upperFirst(std::string name) {
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 32);
    return name;
}

// Qt's own names for the widget's setter and change signal, which uic and Designer derive
// from the property name: oleDragMode -> setOleDragMode, oleDragModeChanged.
std::string qtSetter(const QtMember& member) {
    return "set" + upperFirst(member.name);
}

std::string qtSignal(const QtMember& member) {
    return member.name + "Changed";
}

// Value is the one member whose Qt type follows the data type, not the table's type.
bool isTypedValue(const MemberInfo& member) {
    return member.name == "Value";
}

std::optional<std::string> qtType(const MemberInfo& member) {
    if (isTypedValue(member)) return "QVariant";
    switch (member.type) {
        case ValueType::Boolean:
            return "bool";
        case ValueType::Integer:
        case ValueType::Long:
            return "int";
        case ValueType::Single:
            return "double";
        case ValueType::String:
        case ValueType::Picture:  // the file the picture comes from
            return "QString";
        case ValueType::Color:
            return "uint";
        case ValueType::Enumeration:
            return enumerationName(enumerationOf(member));
        default:
            return std::nullopt;
    }
}

bool byReference(const std::string& type) {
    return type == "QString" || type == "QVariant";
}

std::string parameterType(const std::string& type) {
    return byReference(type) ? "const " + type + "&" : type;
}

std::vector<QtMember> qtMembers(MemberKind kind) {
    std::vector<QtMember> offered;
    for (const MemberInfo& member : members()) {
        if (member.kind != kind) continue;
        std::optional<std::string> name = qtPropertyName(member);
        if (!name) continue;
        offered.push_back({&member, *name, kind == MemberKind::Method ? "" : *qtType(member)});
    }
    return offered;
}

// A property with a parameter (RowLength) is a function of the widget, not a property.
bool isProperty(const QtMember& member) {
    return member.row->parameters.empty();
}

std::string parameterList(const MemberInfo& member, bool typed) {
    std::string list;
    for (const ParameterInfo& parameter : member.parameters) {
        if (!list.empty()) list += ", ";
        if (typed) list += "int ";  // the table's parameters are numbers
        list += parameterName(parameter.name);
    }
    return list;
}

std::string comment(const MemberInfo& member) {
    std::string text =
        fill("    // {}", {member.helpString.empty() ? member.name : member.helpString});
    if (member.designTimeOnly) text += " Written at run time, it reloads the control.";
    return text + "\n";
}

void appendEnumerations(std::string& out) {
    for (const EnumerationInfo* enumeration : enumerations()) {
        const std::string name = enumerationName(enumeration->name);
        out += fill("    enum class {} {{\n", {name});
        for (const EnumConstant& constant : enumeration->constants) {
            out += fill(
                "        {} = {},  // {}\n",
                {constantName(constant.name), std::to_string(constant.value), constant.caption});
        }
        out += fill("    }};\n    Q_ENUM({})\n", {name});
    }
}

void appendPropertyDeclarations(std::string& out, const std::vector<QtMember>& properties) {
    for (const QtMember& member : properties) {
        if (!isProperty(member)) continue;
        std::string line =
            fill("    Q_PROPERTY({} {} READ {}", {member.type, member.name, member.name});
        if (member.row->write) line += " WRITE " + qtSetter(member);
        line += " NOTIFY " + qtSignal(member);
        if (member.row->name == "Text") line += " USER true";  // what the widget edits
        out += line + ")\n";
    }
}

void appendAccessorDeclarations(std::string& out, const std::vector<QtMember>& properties) {
    out += "\n";
    for (const QtMember& member : properties) {
        out += comment(*member.row);
        if (!isProperty(member)) {
            out += fill("    Q_INVOKABLE {} {}({}) const;\n",
                        {member.type, member.name, parameterList(*member.row, true)});
            continue;
        }
        out += fill("    {} {}() const;\n", {member.type, member.name});
        if (member.row->write)
            out += fill("    void {}({} value);\n", {qtSetter(member), parameterType(member.type)});
    }
}

void appendMethodDeclarations(std::string& out, const std::vector<QtMember>& methods) {
    out += "\npublic Q_SLOTS:\n";
    for (const QtMember& member : methods) {
        out += comment(*member.row);
        out += fill("    void {}();\n", {member.name});
    }
}

void appendSignalDeclarations(std::string& out, const std::vector<QtMember>& properties) {
    out += "\nQ_SIGNALS:\n";
    for (const QtMember& member : properties) {
        if (!isProperty(member)) continue;
        out += fill("    void {}({} {});\n",
                    {qtSignal(member), parameterType(member.type), member.name});
    }
}

// The widget's value of a member in the member's Qt type.
std::string readExpression(const QtMember& member) {
    const std::string read =
        fill("d_->read(\"{}\", {{{}}})", {member.row->name, parameterList(*member.row, false)});
    if (member.type == "bool") return read + ".toBool()";
    if (member.type == "int") return read + ".toInt()";
    if (member.type == "double") return read + ".toDouble()";
    if (member.type == "uint") return read + ".toUInt()";
    if (member.type == "QString") return read + ".toString()";
    return fill("static_cast<{}>({}.toInt())", {member.type, read});
}

std::string writtenValue(const QtMember& member) {
    if (member.row->type == ValueType::Enumeration) return "static_cast<int>(value)";
    return "QVariant(value)";
}

void appendAccessorDefinitions(std::string& out, const std::vector<QtMember>& properties) {
    for (const QtMember& member : properties) {
        if (isTypedValue(*member.row)) {
            out += fill(
                "QVariant FieldWidget::{}() const {{\n    return d_->typedValue();\n}}\n\n"
                "void FieldWidget::{}(const QVariant& value) {{\n"
                "    d_->setTypedValue(value);\n}}\n\n",
                {member.name, qtSetter(member)});
            continue;
        }
        // Outside the class an enumeration needs the class's name.
        const std::string returned = member.row->type == ValueType::Enumeration
                                         ? "FieldWidget::" + member.type
                                         : member.type;
        out +=
            fill("{} FieldWidget::{}({}) const {{\n    return {};\n}}\n\n",
                 {returned, member.name, parameterList(*member.row, true), readExpression(member)});
        if (isProperty(member) && member.row->write) {
            out += fill("void FieldWidget::{}({} value) {{\n    d_->write(\"{}\", {});\n}}\n\n",
                        {qtSetter(member), parameterType(member.type), member.row->name,
                         writtenValue(member)});
        }
    }
}

void appendMethodDefinitions(std::string& out, const std::vector<QtMember>& methods) {
    for (const QtMember& member : methods) {
        out += fill("void FieldWidget::{}() {{\n    d_->call(\"{}\");\n}}\n\n",
                    {member.name, member.row->name});
    }
}

// The change signal of the property of that index among the widget's own, with the value
// the property has now.
void appendEmitChanged(std::string& out, const std::vector<QtMember>& properties) {
    out += "void FieldWidget::emitChanged(int property) {\n    switch (property) {\n";
    int index = 0;
    for (const QtMember& member : properties) {
        if (!isProperty(member)) continue;
        out += fill("        case {}:\n            emit {}({}());\n            return;\n",
                    {std::to_string(index++), qtSignal(member), member.name});
    }
    out += "        default:\n            return;\n    }\n}\n";
}

}  // namespace

std::optional<std::string> qtPropertyName(const MemberInfo& member) {
    if (leftOutBecause(member)) return std::nullopt;
    if (member.name == "Enabled" || member.name == "Font") return std::nullopt;
    if (member.kind == MemberKind::Property && !qtType(member)) return std::nullopt;
    return getterName(member.name);
}

std::string qtWidgetHeader(const std::string& current) {
    const std::size_t begin = current.find(kBeginMark);
    const std::size_t end = current.find(kEndMark);
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        throw std::runtime_error("include/quelta/qt/FieldWidget.h has lost its marks");
    const std::size_t from = current.find('\n', begin) + 1;
    const std::vector<QtMember> properties = qtMembers(MemberKind::Property);
    std::string block =
        "    // Do not edit up to the END mark: after a change of the table run\n"
        "    // `cmake --build build --target quelta-regenerate`.\n"
        "    // clang-format off\n"
        "public:\n";
    appendEnumerations(block);
    appendPropertyDeclarations(block, properties);
    appendAccessorDeclarations(block, properties);
    appendMethodDeclarations(block, qtMembers(MemberKind::Method));
    appendSignalDeclarations(block, properties);
    block += "    // clang-format on\n";
    return current.substr(0, from) + block + current.substr(end);
}

std::string qtWidgetSource() {
    std::string out =
        "// Generated by tools/codegen from the control's member table: do not edit; after a "
        "change\n"
        "// of the table run `cmake --build build --target quelta-regenerate`.\n"
        "// clang-format off\n"
        "//\n"
        "// The widget's properties, each the control's member of the same name, read and written\n"
        "// through the widget's private side (FieldWidgetPrivate).\n\n"
        "#include \"qt/FieldWidgetPrivate.h\"\n#include \"quelta/qt/FieldWidget.h\"\n\n"
        "namespace quelta::qt {\n\n";
    const std::vector<QtMember> properties = qtMembers(MemberKind::Property);
    appendAccessorDefinitions(out, properties);
    appendMethodDefinitions(out, qtMembers(MemberKind::Method));
    appendEmitChanged(out, properties);
    out += "\n}  // namespace quelta::qt\n";
    return out;
}

}  // namespace quelta::codegen
