#include "api/TypeLibrary.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "control/Enumerations.h"

namespace quelta {
namespace {

using VT = ValueType;
using MK = MemberKind;
using C = Category;
using P = StandardPage;

constexpr std::uint8_t kGetLet = kGet | kLet;
constexpr std::uint8_t kGetSet = kGet | kSet;
constexpr std::uint16_t kNonBrowsable = FUNCFLAG_FNONBROWSABLE;
constexpr std::uint16_t kTextFlags =
    FUNCFLAG_FBINDABLE | FUNCFLAG_FREQUESTEDIT | FUNCFLAG_FDEFAULTBIND | FUNCFLAG_FUIDEFAULT;
constexpr std::int32_t kNoHelp = -1;

constexpr ParameterInfo kRowLengthParameters[] = {{"Line", VT::Long}};

// clang-format off
constexpr MemberInfo kMembers[] = {
    // name, kind, access, type, enumeration, dispid, flags, help context, category, page, design time only, help string, parameters
    {"AboutBox", MK::Method, 0, VT::None, {}, -552, 0, 10, C::None, P::None, false, {}, {}},
    {"OLEDrag", MK::Method, 0, VT::None, {}, 0x60030044, 0, 2005, C::None, P::None, false,
     "Starts an OLE drag/drop operation with the given control as the source.", {}},
    {"Refresh", MK::Method, 0, VT::None, {}, 0x60030045, 0, 2010, C::None, P::None, false,
     "Forces a complete repaint of an object.", {}},
    {"Alignment", MK::Property, kGetLet, VT::Enumeration, "qltaAlignmentProperties", 0x68030043, 0, 1010, C::Misc, P::None, true,
     "Returns/sets the alignment of a control's text.", {}},
    {"Appearance", MK::Property, kGetLet, VT::Enumeration, "qltaAppearanceProperties", -520, 0, 1020, C::Appearance, P::None, true,
     "Returns/sets whether or not an object is painted at run time with 3-D effects.", {}},
    {"AutoSize", MK::Property, kGetLet, VT::Boolean, {}, 0x68030042, 0, 1025, C::None, P::None, true,
     "Returns/sets whether or not an object is automatically sized according to its MaxLength property.", {}},
    {"AutoTab", MK::Property, kGetLet, VT::Boolean, {}, 0x68030041, 0, 1030, C::None, P::None, false,
     "Returns/sets whether or not the next control in the tab order automatically receives the focus.", {}},
    {"BackColor", MK::Property, kGetLet, VT::Color, {}, -501, 0, 1040, C::Appearance, P::Color, false,
     "Returns/sets the background color used to display text and graphics in an object.", {}},
    {"BorderStyle", MK::Property, kGetLet, VT::Enumeration, "qltaBorderStyleProperties", -504, 0, 1050, C::Appearance, P::None, true,
     "Returns/sets the border style for an object.", {}},
    {"DataType", MK::Property, kGetLet, VT::Enumeration, "qltaDataTypeProperties", 0x68030040, 0, 1060, C::Behavior, P::None, false,
     "Returns/sets the data type of an object.", {}},
    {"DisabledGray", MK::Property, kGetLet, VT::Boolean, {}, 0x6803003F, 0, 1070, C::None, P::None, false,
     "Returns/sets whether or not the background color is gray if the control is disabled.", {}},
    {"Enabled", MK::Property, kGetLet, VT::Boolean, {}, -514, 0, 1080, C::None, P::None, false,
     "Returns/sets a value that determines whether an object can respond to user-generated events.", {}},
    {"Font", MK::Property, kGetSet, VT::Font, {}, 0x6803003E, 0, 1090, C::Font, P::Font, false,
     "Returns a Font object.", {}},
    {"FontBold", MK::Property, kGetLet, VT::Boolean, {}, 0x6803003D, kNonBrowsable, 1090, C::None, P::None, false,
     "Returns/sets bold font styles.", {}},
    {"FontItalic", MK::Property, kGetLet, VT::Boolean, {}, 0x6803003C, kNonBrowsable, 1090, C::None, P::None, false,
     "Returns/sets italic font styles.", {}},
    {"FontName", MK::Property, kGetLet, VT::String, {}, 0x6803003B, kNonBrowsable, 1090, C::None, P::None, false,
     "Specifies the name of the font that appears in each row for the given level.", {}},
    {"FontSize", MK::Property, kGetLet, VT::Single, {}, 0x6803003A, kNonBrowsable, 1090, C::None, P::None, false,
     "Specifies the size (in points) of the font that appears in each row for the given level.", {}},
    {"FontStrikeThru", MK::Property, kGetLet, VT::Boolean, {}, 0x68030039, kNonBrowsable, 1090, C::None, P::None, false,
     "Returns/sets strikethrough font styles.", {}},
    {"FontUnderline", MK::Property, kGetLet, VT::Boolean, {}, 0x68030038, kNonBrowsable, 1090, C::None, P::None, false,
     "Returns/sets underline font styles.", {}},
    {"ForeColor", MK::Property, kGetLet, VT::Color, {}, -513, 0, 1040, C::Appearance, P::Color, false,
     "Returns/sets the foreground color used to display text and graphics in an object.", {}},
    {"Format", MK::Property, kGetLet, VT::String, {}, 0x68030037, 0, 1100, C::None, P::None, false,
     "Specifies the format for displaying and printing numbers, dates, times, and text.", {}},
    {"FormattedText", MK::Property, kGet, VT::String, {}, 0x68030036, kNonBrowsable, 1105, C::None, P::None, false,
     "Returns the formatted text contained in the control.", {}},
    {"HideSelection", MK::Property, kGetLet, VT::Boolean, {}, 0x68030035, 0, 1110, C::None, P::None, true,
     "Specifies whether the selection in a control is hidden when the control loses focus.", {}},
    {"hWnd", MK::Property, kGet, VT::Long, {}, -515, kNonBrowsable, 1120, C::None, P::None, false,
     "Returns a handle (from Microsoft Windows) to an object's window.", {}},
    {"Locked", MK::Property, kGetLet, VT::Boolean, {}, 0x68030034, 0, 1130, C::None, P::None, false,
     "Determines whether a control can be edited.", {}},
    {"MaxLength", MK::Property, kGetLet, VT::Long, {}, 0x68030033, 0, 1140, C::None, P::None, false,
     "Returns/sets the maximum number of characters that can be entered in a control.", {}},
    {"MouseIcon", MK::Property, kGetSet, VT::Picture, {}, 0x68030032, 0, 1150, C::Misc, P::Picture, false,
     "Sets a custom mouse icon.", {}},
    {"MousePointer", MK::Property, kGetLet, VT::Enumeration, "qltaMousePointerProperties", 0x68030031, 0, 1160, C::Misc, P::None, false,
     "Returns/sets the type of mouse pointer displayed when over part of an object.", {}},
    {"MultiLine", MK::Property, kGetLet, VT::Boolean, {}, 0x68030030, 0, 1170, C::None, P::None, true,
     "Returns/sets a value that determines whether the control can accept multiple lines of text.", {}},
    {"OLEDragMode", MK::Property, kGetLet, VT::Enumeration, "qltaOLEDragModeProperties", 0x6803002F, 0, 1172, C::Behavior, P::None, false,
     "Returns/Sets whether this object can act as an OLE drag/drop source, and whether this process is started automatically or under programmatic control.", {}},
    {"OLEDropMode", MK::Property, kGetLet, VT::Enumeration, "qltaOLEDropModeProperties", 0x6803002E, 0, 1174, C::Behavior, P::None, false,
     "Returns/Sets whether this object can act as an OLE drop target, and whether this takes place automatically or under programmatic control.", {}},
    {"OverType", MK::Property, kGetLet, VT::Boolean, {}, 0x6803002D, kNonBrowsable, 1180, C::Behavior, P::None, false,
     "Determines whether characters typed by a user are inserted or replace the character at the caret position.", {}},
    {"PasswordChar", MK::Property, kGetLet, VT::String, {}, 0x6803002C, 0, 1190, C::None, P::None, false,
     "Returns/sets a value that determines whether characters typed by a user or placeholder characters are displayed in a control.", {}},
    {"RightToLeft", MK::Property, kGetLet, VT::Boolean, {}, 0x6803002B, 0, 1195, C::None, P::None, false,
     "Determines text display direction and control visual appearance on a biderectional system.", {}},
    {"ScrollBars", MK::Property, kGetLet, VT::Enumeration, "qltaScrollBarsProperties", 0x6803002A, 0, 1210, C::Behavior, P::None, false,
     "Returns/sets a value indicating whether an object has vertical or horizontal scroll bars.", {}},
    {"ScaleDigits", MK::Property, kGetLet, VT::Integer, {}, 0x68030029, 0, 1200, C::None, P::None, false,
     "Returns/sets the precision for numeric data.", {}},
    {"SelLength", MK::Property, kGetLet, VT::Long, {}, 0x68030028, kNonBrowsable, 1220, C::None, P::None, false,
     "Returns/sets the number of characters selected.", {}},
    {"SelStart", MK::Property, kGetLet, VT::Long, {}, 0x68030027, kNonBrowsable, 1220, C::None, P::None, false,
     "Returns/sets the starting point of text selected.", {}},
    {"SelText", MK::Property, kGetLet, VT::String, {}, 0x68030026, kNonBrowsable, 1220, C::None, P::None, false,
     "Returns/sets the string containing the currently selected text.", {}},
    {"StartSelected", MK::Property, kGetLet, VT::Boolean, {}, 0x68030025, 0, 1230, C::None, P::None, false,
     "Returns/sets whether or not the complete contents of a control is selected when it receives the focus.", {}},
    {"Text", MK::Property, kGetLet, VT::String, {}, -517, kTextFlags, 1240, C::None, P::None, false,
     "Returns/sets the text contained in the control.", {}},
    {"TextDefault", MK::Property, kGetLet, VT::String, {}, DISPID_VALUE, FUNCFLAG_FHIDDEN, kNoHelp, C::None, P::None, false, {}, {}},
    {"Value", MK::Property, kGetLet, VT::String, {}, 0x68030024, kNonBrowsable, 1250, C::None, P::None, false,
     "Returns/sets the raw data for an object.", {}},
    {"WordWrap", MK::Property, kGetLet, VT::Boolean, {}, 0x68030023, 0, 1260, C::None, P::None, false,
     "Returns/sets a value indicating whether the control scrolls or wraps words when the caret goes past its right edge.", {}},
    {"Col", MK::Property, kGet, VT::Long, {}, 0x68030049, kNonBrowsable, kNoHelp, C::None, P::None, false,
     "Returns the current column (1-based).", {}},
    {"Row", MK::Property, kGet, VT::Long, {}, 0x68030048, kNonBrowsable, kNoHelp, C::None, P::None, false,
     "Returns the current row (1-based).", {}},
    {"RowLength", MK::Property, kGet, VT::Long, {}, 0x68030047, kNonBrowsable, kNoHelp, C::None, P::None, false,
     "Returns the length of a row.", kRowLengthParameters},
    {"Rows", MK::Property, kGet, VT::Long, {}, 0x68030046, kNonBrowsable, kNoHelp, C::None, P::None, false,
     "Returns the number of rows.", {}},
};

constexpr ParameterInfo kKeyParameters[] = {{"KeyCode", VT::Integer}, {"Shift", VT::Integer}};
constexpr ParameterInfo kKeyPressParameters[] = {{"KeyAscii", VT::Integer}};
constexpr ParameterInfo kMouseParameters[] = {
    {"Button", VT::Integer}, {"Shift", VT::Integer}, {"X", VT::Single}, {"Y", VT::Single}};
constexpr ParameterInfo kCompleteDragParameters[] = {{"Effect", VT::Long}};
constexpr ParameterInfo kDragDropParameters[] = {
    {"Data", VT::DataObject}, {"Effect", VT::Long}, {"Button", VT::Integer},
    {"Shift", VT::Integer},   {"X", VT::Single},    {"Y", VT::Single}};
constexpr ParameterInfo kDragOverParameters[] = {
    {"Data", VT::DataObject}, {"Effect", VT::Long}, {"Button", VT::Integer}, {"Shift", VT::Integer},
    {"X", VT::Single},        {"Y", VT::Single},    {"State", VT::Integer}};
constexpr ParameterInfo kGiveFeedbackParameters[] = {{"Effect", VT::Long},
                                                     {"DefaultCursors", VT::Boolean}};
constexpr ParameterInfo kSetDataParameters[] = {{"Data", VT::DataObject},
                                                {"DataFormat", VT::Integer}};
constexpr ParameterInfo kStartDragParameters[] = {{"Data", VT::DataObject},
                                                  {"AllowedEffects", VT::Long}};

constexpr EventInfo kEvents[] = {
    {"Change", 1, {}, FUNCFLAG_FUIDEFAULT, 3010, "Occurs when the contents of a control has changed."},
    {"Click", -600, {}, 0, 3020, "Occurs when the user presses and then releases a mouse button over an object."},
    {"DblClick", -601, {}, 0, 3030, "Occurs when the user presses and releases a mouse button and then presses and releases it again over an object."},
    {"KeyDown", -602, kKeyParameters, 0, 3040, "Occurs when the user presses a key while an object has the focus."},
    {"KeyUp", -604, kKeyParameters, 0, 3040, "Occurs when the user releases a key while an object has the focus."},
    {"KeyPress", -603, kKeyPressParameters, 0, 3050, "Occurs when the user presses and releases an ANSI key."},
    {"MouseDown", -605, kMouseParameters, 0, 3060, "Occurs when the user presses the mouse button while an object has the focus."},
    {"MouseMove", -606, kMouseParameters, 0, 3070, "Occurs when the user moves the mouse."},
    {"MouseUp", -607, kMouseParameters, 0, 3060, "Occurs when the user releases the mouse button while an object has the focus."},
    {"OLECompleteDrag", 2, kCompleteDragParameters, 0, 52, "Occurs at the OLE drag/drop source control after a manual or automatic drag/drop has been completed or canceled."},
    {"OLEDragDrop", 3, kDragDropParameters, 0, 52, "Occurs when data is dropped onto the control via an OLE drag/drop operation, and OLEDropMode is set to manual."},
    {"OLEDragOver", 4, kDragOverParameters, 0, 52, "Occurs when the mouse is moved over the control during an OLE drag/drop operation, if its OLEDropMode property is set to manual."},
    {"OLEGiveFeedback", 5, kGiveFeedbackParameters, 0, 52, "Occurs at the source control of an OLE drag/drop operation when the mouse cursor needs to be changed."},
    {"OLESetData", 6, kSetDataParameters, 0, 52, "Occurs at the OLE drag/drop source control when the drop target requests data that was not provided to the DataObject during the OLEDragStart event."},
    {"OLEStartDrag", 7, kStartDragParameters, 0, 52, "Occurs when an OLE drag/drop operation is initiated either manually or automatically."},
};

constexpr EnumConstant kAlignment[] = {{"qltaLeftJustify", qltaLeftJustify}, {"qltaRightJustify", qltaRightJustify}, {"qltaCenter", qltaCenter}};
constexpr EnumConstant kAppearance[] = {{"qltaAppearanceFlat", qltaAppearanceFlat}, {"qltaAppearance3D", qltaAppearance3D}};
constexpr EnumConstant kBorderStyle[] = {{"qltaBorderNone", qltaBorderNone}, {"qltaBorderFixedSingle", qltaBorderFixedSingle}};
constexpr EnumConstant kDataType[] = {
    {"qltaText", qltaText},    {"qltaLowerCase", qltaLowerCase},     {"qltaUpperCase", qltaUpperCase},  {"qltaBoolean", qltaBoolean},
    {"qltaNumeric", qltaNumeric}, {"qltaSignedNumeric", qltaSignedNumeric}, {"qltaDateTime", qltaDateTime}};
constexpr EnumConstant kMousePointer[] = {
    {"qltaDefault", qltaDefault},    {"qltaArrow", qltaArrow},          {"qltaCross", qltaCross},           {"qltaIBeam", qltaIBeam},
    {"qltaIcon", qltaIcon},       {"qltaSize", qltaSize},           {"qltaSizeNESW", qltaSizeNESW},        {"qltaSizeNS", qltaSizeNS},
    {"qltaSizeNWSE", qltaSizeNWSE},   {"qltaSizeWE", qltaSizeWE},         {"qltaUpArrow", qltaUpArrow},        {"qltaHourglass", qltaHourglass},
    {"qltaNoDrop", qltaNoDrop},    {"qltaArrowHourglass", qltaArrowHourglass}, {"qltaArrowQuestion", qltaArrowQuestion}, {"qltaSizeAll", qltaSizeAll},
    {"qltaCustom", qltaCustom}};
constexpr EnumConstant kOLEDragMode[] = {{"qltaDragModeManual", qltaDragModeManual}, {"qltaDragModeAutomatic", qltaDragModeAutomatic}};
constexpr EnumConstant kOLEDropMode[] = {
    {"qltaDropModeNone", qltaDropModeNone}, {"qltaDropModeManual", qltaDropModeManual}, {"qltaDropModeAutomatic", qltaDropModeAutomatic}};
constexpr EnumConstant kScrollBars[] = {{"qltaScrollBarsNone", qltaScrollBarsNone}, {"qltaScrollBarsHorizontal", qltaScrollBarsHorizontal},
                                        {"qltaScrollBarsVertical", qltaScrollBarsVertical}, {"qltaScrollBarsBoth", qltaScrollBarsBoth}};

constexpr EnumerationInfo kEnumerations[] = {
    {"qltaAlignmentProperties", "E665CC4E-2851-400C-9CE9-7B49F13A452D", kAlignment},
    {"qltaAppearanceProperties", "FF8EC5A6-7344-474E-ACFA-C318A57FDA38", kAppearance},
    {"qltaBorderStyleProperties", "2FE38473-B0AE-4A37-A405-E8B8D2FE9DAD", kBorderStyle},
    {"qltaDataTypeProperties", "AC939DB9-9307-4263-9725-EC365125E05A", kDataType},
    {"qltaMousePointerProperties", "1F861013-DED4-4BDD-8438-309CD6C77B28", kMousePointer},
    {"qltaOLEDragModeProperties", "822A2F53-5467-4754-B300-E4A5F0670120", kOLEDragMode},
    {"qltaOLEDropModeProperties", "07795AEA-044B-4EB3-828B-537F6D057707", kOLEDropMode},
    {"qltaScrollBarsProperties", "6BC617A8-A532-40A7-8FB8-2D0927EB66AF", kScrollBars},
};
// clang-format on

constexpr PropertyPageInfo kPropertyPages[] = {{"pagMainPage", "General"},
                                               {"pagTextPage", "Text"},
                                               {{}, "Font"},
                                               {{}, "Color"},
                                               {{}, "Picture"}};

constexpr std::string_view kCategoryNames[] = {"Misc", "Appearance", "Behavior", "Font"};

constexpr LibraryInfo kLibrary = {
    "QueltaCtl6",
    "930248E7-8766-400E-A271-8BC72A1653B7",
    0x409,
    2,
    1,
    "Qelt532.hlp",
    10,
    "Quelta typed text entry control",
    "37BE4777-CA95-4914-8F37-AD9BA4390B53",
    "5190A747-BDA9-4479-89E7-825E63C785C3",
    "EF064E78-89C4-4A27-9084-9F781364B4E7",
    "ACA0AAAE-0CD9-4385-BA13-E082EBE79E19",
    "B5002E0A-59F1-4BC2-87FE-898BA217D6DC",
    "7D556A14-1A7C-4FA2-8180-7A948E4894F7",
    "3768CE89-3A9F-4DFA-A068-E387BF59E20B",
    30000,
};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Member names lower-cased and sorted, for a binary search by name.
struct NameIndexEntry {
    std::string lowerName;
    const MemberInfo* member;
};

const std::vector<NameIndexEntry>& nameIndex() {
    static const std::vector<NameIndexEntry> index = [] {
        std::vector<NameIndexEntry> entries;
        for (const MemberInfo& member : kMembers) {
            std::string lower(member.name);
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            entries.push_back({std::move(lower), &member});
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.lowerName < b.lowerName; });
        return entries;
    }();
    return index;
}

const MemberInfo* lookUpLowerCase(std::string_view lowerName) {
    const auto& index = nameIndex();
    auto found = std::lower_bound(
        index.begin(), index.end(), lowerName,
        [](const NameIndexEntry& entry, std::string_view name) { return entry.lowerName < name; });
    if (found == index.end() || found->lowerName != lowerName) return nullptr;
    return found->member;
}

constexpr std::size_t kLongestName = 32;

}  // namespace

std::string MemberInfo::writeArgumentName() const {
    if (dispid == DISPID_VALUE) return "New_DefaultText";
    return "New_" + std::string(name);
}

const LibraryInfo& libraryInfo() {
    return kLibrary;
}
std::span<const MemberInfo> members() {
    return kMembers;
}
std::span<const EventInfo> events() {
    return kEvents;
}
std::span<const EnumerationInfo> enumerations() {
    return kEnumerations;
}
std::span<const PropertyPageInfo> propertyPages() {
    return kPropertyPages;
}
std::span<const std::string_view> categoryNames() {
    return kCategoryNames;
}

std::span<const MemberInfo* const> membersInLibraryOrder() {
    static const std::vector<const MemberInfo*> order = [] {
        std::vector<const MemberInfo*> result;
        auto add = [&](std::string_view name) { result.push_back(memberByName(name)); };
        for (const MemberInfo& member : kMembers) {
            if (member.name == "Col" || member.name.starts_with("Row")) continue;
            result.push_back(&member);
            if (member.name == "BorderStyle") add("Col");
            if (member.name == "RightToLeft") {
                add("Row");
                add("RowLength");
                add("Rows");
            }
        }
        return result;
    }();
    return order;
}

namespace {

// Looks a name up in the index of lower-cased member names; any letter case matches, and a
// name that no member could have (too long, not ASCII) finds nothing without allocating.
template <typename Char>
const MemberInfo* lookUpIgnoringCase(std::basic_string_view<Char> name) {
    if (name.size() > kLongestName) return nullptr;
    char lower[kLongestName];
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<std::uint32_t>(name[i]);
        if (c >= 0x80) return nullptr;  // every member name is ASCII
        lower[i] = static_cast<char>(std::tolower(static_cast<int>(c)));
    }
    return lookUpLowerCase(std::string_view(lower, name.size()));
}

}  // namespace

DispatchId GetIDsOfNames(StringView name) {
    const MemberInfo* member = lookUpIgnoringCase(name);
    return member ? member->dispid : DISPID_UNKNOWN;
}

const MemberInfo* memberByName(std::string_view name) {
    return lookUpIgnoringCase(name);
}

const MemberInfo* memberByDispatchId(DispatchId dispid) {
    for (const MemberInfo& member : kMembers) {
        if (member.dispid == dispid) return &member;
    }
    return nullptr;
}

const EventInfo* eventByName(std::string_view name) {
    for (const EventInfo& event : kEvents) {
        if (equalsIgnoringCase(event.name, name)) return &event;
    }
    return nullptr;
}

const EventInfo* eventByDispatchId(DispatchId dispid) {
    for (const EventInfo& event : kEvents) {
        if (event.dispid == dispid) return &event;
    }
    return nullptr;
}

const EnumerationInfo* enumerationByName(std::string_view name) {
    for (const EnumerationInfo& enumeration : kEnumerations) {
        if (equalsIgnoringCase(enumeration.name, name)) return &enumeration;
    }
    return nullptr;
}

std::string_view categoryName(Category category) {
    if (category == Category::None) return {};
    return kCategoryNames[static_cast<int>(category) - 1];
}

}  // namespace quelta
