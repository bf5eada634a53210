#include "api/TypeLibrary.h"

#include <algorithm>
#include <string>
#include <vector>

#include "control/Enumerations.h"
#include "platform/container/SharedInputSettings.h"

namespace quelta {
namespace {

using VT = ValueType;

constexpr ParameterInfo kKeyParameters[] = {{"KeyCode", VT::Integer}, {"Shift", VT::Integer}};
constexpr ParameterInfo kKeyPressParameters[] = {{"KeyAscii", VT::Integer}};
constexpr ParameterInfo kMouseParameters[] = {
    {"Button", VT::Integer}, {"Shift", VT::Integer}, {"X", VT::Single}, {"Y", VT::Single}};
constexpr ParameterInfo kCompleteDragParameters[] = {{"Effect", VT::Long}};
constexpr ParameterInfo kDragDropParameters[] = {{"Data", VT::DataObject}, {"Effect", VT::Long},
                                                 {"Button", VT::Integer},  {"Shift", VT::Integer},
                                                 {"X", VT::Single},        {"Y", VT::Single}};
constexpr ParameterInfo kDragOverParameters[] = {
    {"Data", VT::DataObject}, {"Effect", VT::Long}, {"Button", VT::Integer}, {"Shift", VT::Integer},
    {"X", VT::Single},        {"Y", VT::Single},    {"State", VT::Integer}};
constexpr ParameterInfo kGiveFeedbackParameters[] = {{"Effect", VT::Long},
                                                     {"DefaultCursors", VT::Boolean}};
constexpr ParameterInfo kSetDataParameters[] = {{"Data", VT::DataObject},
                                                {"DataFormat", VT::Integer}};
constexpr ParameterInfo kStartDragParameters[] = {{"Data", VT::DataObject},
                                                  {"AllowedEffects", VT::Long}};

// clang-format off
constexpr EventInfo kEvents[] = {
    {.name = "Change", .dispid = 1, .flags = FUNCFLAG_FUIDEFAULT, .helpContext = 3010,
     .helpString = "Occurs when the contents of a control has changed."},
    {.name = "Click", .dispid = -600, .helpContext = 3020,
     .helpString = "Occurs when the user presses and then releases a mouse button over an object."},
    {.name = "DblClick", .dispid = -601, .helpContext = 3030,
     .helpString = "Occurs when the user presses and releases a mouse button and then presses and releases it again over an object."},
    {.name = "KeyDown", .dispid = -602, .parameters = kKeyParameters, .helpContext = 3040,
     .helpString = "Occurs when the user presses a key while an object has the focus."},
    {.name = "KeyUp", .dispid = -604, .parameters = kKeyParameters, .helpContext = 3040,
     .helpString = "Occurs when the user releases a key while an object has the focus."},
    {.name = "KeyPress", .dispid = -603, .parameters = kKeyPressParameters, .helpContext = 3050,
     .helpString = "Occurs when the user presses and releases an ANSI key."},
    {.name = "MouseDown", .dispid = -605, .parameters = kMouseParameters, .helpContext = 3060,
     .helpString = "Occurs when the user presses the mouse button while an object has the focus."},
    {.name = "MouseMove", .dispid = -606, .parameters = kMouseParameters, .helpContext = 3070,
     .helpString = "Occurs when the user moves the mouse."},
    {.name = "MouseUp", .dispid = -607, .parameters = kMouseParameters, .helpContext = 3060,
     .helpString = "Occurs when the user releases the mouse button while an object has the focus."},
    {.name = "OLECompleteDrag", .dispid = 2, .parameters = kCompleteDragParameters, .helpContext = 52,
     .helpString = "Occurs at the OLE drag/drop source control after a manual or automatic drag/drop has been completed or canceled."},
    {.name = "OLEDragDrop", .dispid = 3, .parameters = kDragDropParameters, .helpContext = 52,
     .helpString = "Occurs when data is dropped onto the control via an OLE drag/drop operation, and OLEDropMode is set to manual."},
    {.name = "OLEDragOver", .dispid = 4, .parameters = kDragOverParameters, .helpContext = 52,
     .helpString = "Occurs when the mouse is moved over the control during an OLE drag/drop operation, if its OLEDropMode property is set to manual."},
    {.name = "OLEGiveFeedback", .dispid = 5, .parameters = kGiveFeedbackParameters, .helpContext = 52,
     .helpString = "Occurs at the source control of an OLE drag/drop operation when the mouse cursor needs to be changed."},
    {.name = "OLESetData", .dispid = 6, .parameters = kSetDataParameters, .helpContext = 52,
     .helpString = "Occurs at the OLE drag/drop source control when the drop target requests data that was not provided to the DataObject during the OLEDragStart event."},
    {.name = "OLEStartDrag", .dispid = 7, .parameters = kStartDragParameters, .helpContext = 52,
     .helpString = "Occurs when an OLE drag/drop operation is initiated either manually or automatically."},
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
    {.name = "qltaAlignmentProperties", .guid = "E665CC4E-2851-400C-9CE9-7B49F13A452D", .constants = kAlignment},
    {.name = "qltaAppearanceProperties", .guid = "FF8EC5A6-7344-474E-ACFA-C318A57FDA38", .constants = kAppearance},
    {.name = "qltaBorderStyleProperties", .guid = "2FE38473-B0AE-4A37-A405-E8B8D2FE9DAD", .constants = kBorderStyle},
    {.name = "qltaDataTypeProperties", .guid = "AC939DB9-9307-4263-9725-EC365125E05A", .constants = kDataType},
    {.name = "qltaMousePointerProperties", .guid = "1F861013-DED4-4BDD-8438-309CD6C77B28", .constants = kMousePointer},
    {.name = "qltaOLEDragModeProperties", .guid = "822A2F53-5467-4754-B300-E4A5F0670120", .constants = kOLEDragMode},
    {.name = "qltaOLEDropModeProperties", .guid = "07795AEA-044B-4EB3-828B-537F6D057707", .constants = kOLEDropMode},
    {.name = "qltaScrollBarsProperties", .guid = "6BC617A8-A532-40A7-8FB8-2D0927EB66AF", .constants = kScrollBars},
};
// clang-format on

constexpr PropertyPageInfo kPropertyPages[] = {
    {.className = "pagMainPage",
     .caption = "General",
     .guid = "ACA0AAAE-0CD9-4385-BA13-E082EBE79E19",
     .interfaceGuid = "B5002E0A-59F1-4BC2-87FE-898BA217D6DC"},
    {.className = "pagTextPage",
     .caption = "Text",
     .guid = "7D556A14-1A7C-4FA2-8180-7A948E4894F7",
     .interfaceGuid = "3768CE89-3A9F-4DFA-A068-E387BF59E20B"},
    {.caption = "Font"},
    {.caption = "Color"},
    {.caption = "Picture"},
};

constexpr std::string_view kCategoryNames[] = {"Misc", "Appearance", "Behavior", "Font"};

constexpr LibraryInfo kLibrary = {
    .name = "QueltaCtl6",
    .guid = "930248E7-8766-400E-A271-8BC72A1653B7",
    .lcid = 0x409,
    .majorVersion = 2,
    .minorVersion = 1,
    .helpFile = SharedInputSettings::kHelpFileName,
    .helpContext = 10,
    .helpString = "Quelta typed text entry control",
    .controlClassGuid = "37BE4777-CA95-4914-8F37-AD9BA4390B53",
    .dispatchInterfaceGuid = "5190A747-BDA9-4479-89E7-825E63C785C3",
    .eventInterfaceGuid = "EF064E78-89C4-4A27-9084-9F781364B4E7",
    .toolboxBitmapId = 30000,
};

// Every member name is ASCII and no longer than this.
constexpr std::size_t kLongestName = 32;

// Member names lower-cased and sorted, for a binary search by name.
struct NameIndexEntry {
    std::string lowerName;
    const MemberInfo* member;
};

const std::vector<NameIndexEntry>& nameIndex() {
    static const std::vector<NameIndexEntry> index = [] {
        std::vector<NameIndexEntry> entries;
        for (const MemberInfo& member : members()) {
            std::string lower(member.name);
            std::ranges::transform(lower, lower.begin(), asciiLower<char>);
            entries.push_back({std::move(lower), &member});
        }
        std::ranges::sort(entries, {}, &NameIndexEntry::lowerName);
        return entries;
    }();
    return index;
}

// Looks a name up in the index of lower-cased member names; any letter case matches, and a
// name that no member could have (too long, not ASCII) finds nothing without allocating.
template <typename Char>
const MemberInfo* lookUpIgnoringCase(std::basic_string_view<Char> name) {
    if (name.size() > kLongestName) return nullptr;
    char lower[kLongestName];
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (static_cast<std::uint32_t>(name[i]) >= 0x80) return nullptr;
        lower[i] = static_cast<char>(asciiLower(name[i]));
    }
    const std::string_view key(lower, name.size());
    const auto& index = nameIndex();
    auto found = std::ranges::lower_bound(index, key, {}, &NameIndexEntry::lowerName);
    if (found == index.end() || found->lowerName != key) return nullptr;
    return found->member;
}

// The members sorted by DISPID, for a binary search by DISPID.
const std::vector<const MemberInfo*>& dispatchIdIndex() {
    static const std::vector<const MemberInfo*> index = [] {
        std::vector<const MemberInfo*> entries;
        for (const MemberInfo& member : members())
            entries.push_back(&member);
        std::ranges::sort(entries, {}, &MemberInfo::dispid);
        return entries;
    }();
    return index;
}

// Appends the members listed right after `member`, each followed by its own followers.
void appendFollowers(const MemberInfo& member, std::vector<const MemberInfo*>& order) {
    for (const MemberInfo& follower : members()) {
        if (follower.listedAfter != member.name) continue;
        order.push_back(&follower);
        appendFollowers(follower, order);
    }
}

template <typename Row>
const Row* findIgnoringCase(std::span<const Row> rows, std::string_view name) {
    auto found = std::ranges::find_if(
        rows, [&](const Row& row) { return equalsIgnoringAsciiCase(row.name, name); });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace

std::string MemberInfo::writeArgumentName() const {
    if (!writeArgument.empty()) return std::string(writeArgument);
    return "New_" + std::string(name);
}

const LibraryInfo& libraryInfo() {
    return kLibrary;
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
        for (const MemberInfo& member : members()) {
            if (!member.listedAfter.empty()) continue;
            result.push_back(&member);
            appendFollowers(member, result);
        }
        return result;
    }();
    return order;
}

DispatchId GetIDsOfNames(StringView name) {
    const MemberInfo* member = memberByName(name);
    return member ? member->dispid : DISPID_UNKNOWN;
}

const MemberInfo* memberByName(std::string_view name) {
    return lookUpIgnoringCase(name);
}

const MemberInfo* memberByName(StringView name) {
    return lookUpIgnoringCase(name);
}

const MemberInfo* memberByDispatchId(DispatchId dispid) {
    const auto& index = dispatchIdIndex();
    auto found = std::ranges::lower_bound(index, dispid, {}, &MemberInfo::dispid);
    if (found == index.end() || (*found)->dispid != dispid) return nullptr;
    return *found;
}

const EventInfo* eventByName(std::string_view name) {
    return findIgnoringCase(events(), name);
}

const EventInfo* eventByDispatchId(DispatchId dispid) {
    auto found = std::ranges::find(kEvents, dispid, &EventInfo::dispid);
    return found == std::end(kEvents) ? nullptr : &*found;
}

const EnumerationInfo* enumerationByName(std::string_view name) {
    return findIgnoringCase(enumerations(), name);
}

std::string_view categoryName(Category category) {
    if (category == Category::None) return {};
    return kCategoryNames[static_cast<int>(category) - 1];
}

}  // namespace quelta
