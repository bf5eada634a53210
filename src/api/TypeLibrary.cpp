#include "api/TypeLibrary.h"

#include <algorithm>
#include <string>
#include <vector>

#include "api/EnumerationTable.h"
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
std::span<const EnumerationInfo* const> enumerations() {
    return enums::kInLibraryOrder;
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

const EventInfo* eventByName(std::string_view name) {
    return findIgnoringCase(events(), name);
}

const EventInfo* eventByDispatchId(DispatchId dispid) {
    auto found = std::ranges::find(kEvents, dispid, &EventInfo::dispid);
    return found == std::end(kEvents) ? nullptr : &*found;
}

std::string_view categoryName(Category category) {
    if (category == Category::None) return {};
    return kCategoryNames[static_cast<int>(category) - 1];
}

}  // namespace quelta
