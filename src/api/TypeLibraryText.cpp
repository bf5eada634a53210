#include "api/TypeLibraryText.h"

#include <cstdio>
#include <sstream>

#include "api/TypeLibrary.h"

namespace quelta {
namespace {

std::string typeName(ValueType type, const EnumerationInfo* enumeration = nullptr) {
    switch (type) {
        case ValueType::None:
            return "void";
        case ValueType::Boolean:
            return "VARIANT_BOOL";
        case ValueType::Integer:
            return "short";
        case ValueType::Long:
            return "long";
        case ValueType::Single:
            return "single";
        case ValueType::String:
            return "BSTR";
        case ValueType::Color:
            return "OLE_COLOR";
        case ValueType::Font:
            return "Font*";
        case ValueType::Picture:
            return "Picture*";
        case ValueType::DataObject:
            return "DataObject*";
        case ValueType::Enumeration:
            return std::string(enumeration->name);
    }
    return "?";
}

std::string hexId(std::int32_t id) {
    if (id < 0 || id < 0x10000) return std::to_string(id);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(id));
    return buffer;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The attribute list of one accessor: id, kind, flags, help.
std::string attributes(const MemberInfo& member, std::string_view accessor) {
    std::string text = "id(" + hexId(member.dispid) + ")";
    if (!accessor.empty()) text += ", " + std::string(accessor);
    if (member.flags & FUNCFLAG_FBINDABLE) text += ", bindable";
    if (member.flags & FUNCFLAG_FREQUESTEDIT) text += ", requestedit";
    if (member.flags & FUNCFLAG_FDEFAULTBIND) text += ", defaultbind";
    if (member.flags & FUNCFLAG_FUIDEFAULT) text += ", uidefault";
    if (member.flags & FUNCFLAG_FHIDDEN) text += ", hidden";
    if (member.flags & FUNCFLAG_FNONBROWSABLE) text += ", nonbrowsable";
    if (!member.helpString.empty()) text += ", helpstring(" + quoted(member.helpString) + ")";
    if (member.helpContext >= 0)
        text += ", helpcontext(" + std::to_string(member.helpContext) + ")";
    return "[" + text + "]";
}

void printWriter(std::ostream& out, const MemberInfo& member, std::string_view accessor,
                 const std::string& type) {
    out << "        " << attributes(member, accessor) << "\n        HRESULT " << member.name
        << "([in] " << type << " " << member.writeArgumentName() << ");\n";
}

void printMember(std::ostream& out, const MemberInfo& member) {
    std::string type = typeName(member.type, member.enumeration);
    if (member.kind == MemberKind::Method) {
        out << "        " << attributes(member, "") << "\n        HRESULT " << member.name
            << "();\n";
        return;
    }
    std::string getArguments;
    for (const ParameterInfo& parameter : member.parameters) {
        getArguments +=
            "[in, out] " + typeName(parameter.type) + "* " + std::string(parameter.name) + ", ";
    }
    out << "        " << attributes(member, "propget") << "\n        HRESULT " << member.name << "("
        << getArguments << "[out, retval] " << type << "* );\n";
    if (member.access & kLet) printWriter(out, member, "propput", type);
    if (member.access & kSet) printWriter(out, member, "propputref", type);
}

void printEvent(std::ostream& out, const EventInfo& event) {
    out << "        [id(" << event.dispid << ")";
    if (event.flags & FUNCFLAG_FUIDEFAULT) out << ", uidefault";
    out << ", helpstring(" << quoted(event.helpString) << "), helpcontext(" << event.helpContext
        << ")]\n        void " << event.name << "(";
    bool first = true;
    for (const ParameterInfo& parameter : event.parameters) {
        out << (first ? "" : ", ") << "[in, out] " << typeName(parameter.type) << "* "
            << parameter.name;
        first = false;
    }
    out << ");\n";
}

void printEnumeration(std::ostream& out, const EnumerationInfo& enumeration) {
    out << "    [uuid(" << enumeration.guid << ")]\n    typedef enum {\n";
    for (const EnumConstant& constant : enumeration.constants) {
        out << "        [helpstring(" << quoted(constant.name) << ")] " << constant.name << " = "
            << constant.value << ",\n";
    }
    out << "    } " << enumeration.name << ";\n\n";
}

void printCoclass(std::ostream& out, std::string_view guid, std::string_view name,
                  std::string_view interfaceName, bool control) {
    out << "    [uuid(" << guid << ")" << (control ? ", control" : "") << "]\n    coclass " << name
        << " {\n        [default] interface " << interfaceName << ";\n";
}

// One of the control's own property pages: its interface and its class.
void printPropertyPage(std::ostream& out, const PropertyPageInfo& page) {
    const std::string interfaceName = "_" + std::string(page.className);
    out << "    [uuid(" << page.interfaceGuid << "), hidden, dual, nonextensible]\n"
        << "    interface " << interfaceName << " : IDispatch {};\n";
    printCoclass(out, page.guid, page.className, interfaceName, false);
    out << "    };\n\n";
}

}  // namespace

std::string typeLibraryText() {
    const LibraryInfo& library = libraryInfo();
    std::ostringstream out;
    out << "[\n    uuid(" << library.guid << "),\n    version(" << library.majorVersion << "."
        << library.minorVersion << "),\n    lcid(0x" << std::hex << library.lcid << std::dec
        << "),\n    helpstring(" << quoted(library.helpString) << "),\n    helpfile("
        << quoted(library.helpFile) << "),\n    helpcontext(" << library.helpContext
        << "),\n    control\n]\nlibrary " << library.name
        << " {\n    importlib(\"stdole2.tlb\");  // OLE_COLOR, Font, Picture\n"
        << "    importlib(\"forms runtime\");  // DataObject\n\n";

    out << "    [uuid(" << library.dispatchInterfaceGuid
        << "), hidden, dual, nonextensible, oleautomation]\n    interface _Quelta : IDispatch {\n";
    for (const MemberInfo* member : membersInLibraryOrder())
        printMember(out, *member);
    out << "    };\n\n";

    printCoclass(out, library.controlClassGuid, "Quelta", "_Quelta", true);
    out << "        [default, source] dispinterface __Quelta;\n    };\n";
    out << "    // toolbox bitmap: resource " << library.toolboxBitmapId
        << ", 16 x 15, 16 colours\n\n";

    for (const PropertyPageInfo& page : propertyPages()) {
        if (!page.className.empty()) printPropertyPage(out, page);
    }

    out << "    [uuid(" << library.eventInterfaceGuid
        << "), hidden, nonextensible]\n    dispinterface __Quelta {\n    methods:\n";
    for (const EventInfo& event : events())
        printEvent(out, event);
    out << "    };\n\n";

    for (const EnumerationInfo* enumeration : enumerations())
        printEnumeration(out, *enumeration);

    out << "    // property pages:";
    for (const PropertyPageInfo& page : propertyPages()) {
        out << " "
            << (page.className.empty()
                    ? "standard " + std::string(page.caption) + " page"
                    : std::string(page.className) + " \"" + std::string(page.caption) + "\"")
            << ";";
    }
    out << "\n    // categories:";
    for (std::string_view category : categoryNames()) {
        out << " \"" << category << "\":";
        for (const MemberInfo& member : members()) {
            if (categoryName(member.category) == category) out << " " << member.name;
        }
        out << ";";
    }
    out << "\n};\n";
    return out.str();
}

}  // namespace quelta
