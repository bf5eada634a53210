#include "api/Dispatch.h"

#include <algorithm>
#include <array>
#include <vector>

#include "api/ArgumentConversion.h"
#include "platform/AutomationError.h"

namespace quelta {
namespace {

constexpr std::int32_t kErrWrongArgumentCount = 450;
constexpr std::int32_t kErrReadOnlyProperty = 383;
constexpr std::int32_t kErrWriteOnlyProperty = 394;

using Getter = Variant (*)(Quelta&, std::span<Variant>);
using Letter = void (*)(Quelta&, const Variant&);
using Caller = void (*)(Quelta&);

// One row per member of the interface. An empty slot is a member whose behaviour this
// build does not offer yet.
struct Binding {
    DispatchId dispid;
    Getter get = nullptr;
    Letter let = nullptr;
    Caller call = nullptr;
};

Variant booleanResult(Boolean value) {
    return Variant::boolean(isTrue(value));
}

// clang-format off
constexpr Binding kBindings[] = {
    {-552},        // AboutBox
    {0x60030044, nullptr, nullptr, [](Quelta& q) { q.OLEDrag(); }},
    {0x60030045, nullptr, nullptr, [](Quelta& q) { q.Refresh(); }},
    {0x68030043, [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.Alignment()}); },
                 [](Quelta& q, const Variant& v) { q.letAlignment(enumerationArgument(v)); }},
    {-520,       [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.Appearance()}); },
                 [](Quelta& q, const Variant& v) { q.letAppearance(enumerationArgument(v)); }},
    {0x68030042},  // AutoSize
    {0x68030041, [](Quelta& q, std::span<Variant>) { return booleanResult(q.AutoTab()); },
                 [](Quelta& q, const Variant& v) { q.letAutoTab(booleanArgument(v)); }},
    {-501,       [](Quelta& q, std::span<Variant>) { return colorResult(q.BackColor()); },
                 [](Quelta& q, const Variant& v) { q.letBackColor(colorArgument(v)); }},
    {-504,       [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.BorderStyle()}); },
                 [](Quelta& q, const Variant& v) { q.letBorderStyle(enumerationArgument(v)); }},
    {0x68030040, [](Quelta& q, std::span<Variant>) { return Variant(q.DataType()); },
                 [](Quelta& q, const Variant& v) { q.letDataType(enumerationArgument(v)); }},
    {0x6803003F, [](Quelta& q, std::span<Variant>) { return booleanResult(q.DisabledGray()); },
                 [](Quelta& q, const Variant& v) { q.letDisabledGray(booleanArgument(v)); }},
    {-514,       [](Quelta& q, std::span<Variant>) { return booleanResult(q.Enabled()); },
                 [](Quelta& q, const Variant& v) { q.letEnabled(booleanArgument(v)); }},
    {0x6803003E},  // Font
    {0x6803003D},  // FontBold
    {0x6803003C},  // FontItalic
    {0x6803003B},  // FontName
    {0x6803003A},  // FontSize
    {0x68030039},  // FontStrikeThru
    {0x68030038},  // FontUnderline
    {-513,       [](Quelta& q, std::span<Variant>) { return colorResult(q.ForeColor()); },
                 [](Quelta& q, const Variant& v) { q.letForeColor(colorArgument(v)); }},
    {0x68030037, [](Quelta& q, std::span<Variant>) { return Variant(q.Format()); },
                 [](Quelta& q, const Variant& v) { q.letFormat(stringArgument(v)); }},
    {0x68030036, [](Quelta& q, std::span<Variant>) { return Variant(q.FormattedText()); }},
    {0x68030035, [](Quelta& q, std::span<Variant>) { return booleanResult(q.HideSelection()); },
                 [](Quelta& q, const Variant& v) { q.letHideSelection(booleanArgument(v)); }},
    {-515,       [](Quelta& q, std::span<Variant>) { return Variant(q.hWnd()); }},
    {0x68030034, [](Quelta& q, std::span<Variant>) { return booleanResult(q.Locked()); },
                 [](Quelta& q, const Variant& v) { q.letLocked(booleanArgument(v)); }},
    {0x68030033},  // MaxLength
    {0x68030032, [](Quelta& q, std::span<Variant>) { return Variant(q.MouseIcon()); },
                 [](Quelta& q, const Variant& v) { q.setMouseIcon(pictureArgument(v)); }},
    {0x68030031, [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.MousePointer()}); },
                 [](Quelta& q, const Variant& v) { q.letMousePointer(enumerationArgument(v)); }},
    {0x68030030, [](Quelta& q, std::span<Variant>) { return booleanResult(q.MultiLine()); },
                 [](Quelta& q, const Variant& v) { q.letMultiLine(booleanArgument(v)); }},
    {0x6803002F, [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.OLEDragMode()}); },
                 [](Quelta& q, const Variant& v) { q.letOLEDragMode(enumerationArgument(v)); }},
    {0x6803002E, [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.OLEDropMode()}); },
                 [](Quelta& q, const Variant& v) { q.letOLEDropMode(enumerationArgument(v)); }},
    {0x6803002D},  // OverType
    {0x6803002C, [](Quelta& q, std::span<Variant>) { return Variant(q.PasswordChar()); },
                 [](Quelta& q, const Variant& v) { q.letPasswordChar(stringArgument(v)); }},
    {0x6803002B, [](Quelta& q, std::span<Variant>) { return booleanResult(q.RightToLeft()); },
                 [](Quelta& q, const Variant& v) { q.letRightToLeft(booleanArgument(v)); }},
    {0x6803002A, [](Quelta& q, std::span<Variant>) { return Variant(std::int32_t{q.ScrollBars()}); },
                 [](Quelta& q, const Variant& v) { q.letScrollBars(enumerationArgument(v)); }},
    {0x68030029, [](Quelta& q, std::span<Variant>) { return Variant(q.ScaleDigits()); },
                 [](Quelta& q, const Variant& v) { q.letScaleDigits(integerArgument(v)); }},
    {0x68030028},  // SelLength
    {0x68030027},  // SelStart
    {0x68030026},  // SelText
    {0x68030025, [](Quelta& q, std::span<Variant>) { return booleanResult(q.StartSelected()); },
                 [](Quelta& q, const Variant& v) { q.letStartSelected(booleanArgument(v)); }},
    {-517,       [](Quelta& q, std::span<Variant>) { return Variant(q.Text()); },
                 [](Quelta& q, const Variant& v) { q.letText(stringArgument(v)); }},
    {0,          [](Quelta& q, std::span<Variant>) { return Variant(q.TextDefault()); },
                 [](Quelta& q, const Variant& v) { q.letTextDefault(stringArgument(v)); }},
    {0x68030024, [](Quelta& q, std::span<Variant>) { return Variant(q.Value()); },
                 [](Quelta& q, const Variant& v) { q.letValue(stringArgument(v)); }},
    {0x68030023, [](Quelta& q, std::span<Variant>) { return booleanResult(q.WordWrap()); },
                 [](Quelta& q, const Variant& v) { q.letWordWrap(booleanArgument(v)); }},
    {0x68030049},  // Col
    {0x68030048},  // Row
    {0x68030047},  // RowLength
    {0x68030046},  // Rows
};
// clang-format on

struct Entry {
    DispatchId dispid;
    const MemberInfo* member;
    const Binding* binding;
};

// The members with their bindings, sorted by DISPID for a binary search.
const std::vector<Entry>& entries() {
    static const std::vector<Entry> table = [] {
        std::vector<Entry> result;
        for (const MemberInfo& member : members()) {
            auto found = std::find_if(std::begin(kBindings), std::end(kBindings),
                                      [&](const Binding& b) { return b.dispid == member.dispid; });
            const Binding* binding = found == std::end(kBindings) ? nullptr : &*found;
            result.push_back({member.dispid, &member, binding});
        }
        std::sort(result.begin(), result.end(),
                  [](const Entry& a, const Entry& b) { return a.dispid < b.dispid; });
        return result;
    }();
    return table;
}

const Entry& entryOf(DispatchId dispid) {
    const auto& table = entries();
    auto found = std::lower_bound(table.begin(), table.end(), dispid,
                                  [](const Entry& e, DispatchId id) { return e.dispid < id; });
    if (found == table.end() || found->dispid != dispid) raiseError(kErrNotSupported);
    return *found;
}

void requireArgumentCount(std::span<Variant> arguments, std::size_t count) {
    if (arguments.size() != count) raiseError(kErrWrongArgumentCount);
}

template <typename Function>
Function implementation(const Binding* binding, Function Binding::*slot) {
    Function function = binding ? binding->*slot : nullptr;
    if (function == nullptr) raiseError(kErrNotSupported);
    return function;
}

Variant invokeMethod(Quelta& control, const Entry& entry, InvokeKind kind,
                     std::span<Variant> arguments) {
    if (kind != InvokeKind::Method) raiseError(kErrNotSupported);
    requireArgumentCount(arguments, 0);
    implementation(entry.binding, &Binding::call)(control);
    return {};
}

Variant getProperty(Quelta& control, const Entry& entry, std::span<Variant> arguments) {
    if (!entry.member->readable()) raiseError(kErrWriteOnlyProperty);
    requireArgumentCount(arguments, entry.member->parameters.size());
    return implementation(entry.binding, &Binding::get)(control, arguments);
}

void putProperty(Quelta& control, const Entry& entry, InvokeKind kind,
                 std::span<Variant> arguments) {
    const MemberInfo& member = *entry.member;
    if (!member.writable()) raiseError(kErrReadOnlyProperty);
    if (kind == InvokeKind::PropertySet && !(member.access & kSet)) raiseError(kErrTypeMismatch);
    requireArgumentCount(arguments, 1);
    implementation(entry.binding, &Binding::let)(control, arguments[0]);
}

}  // namespace

Variant Invoke(Quelta& control, DispatchId dispid, InvokeKind kind, std::span<Variant> arguments) {
    const Entry& entry = entryOf(dispid);
    if (entry.member->kind == MemberKind::Method) {
        return invokeMethod(control, entry, kind, arguments);
    }
    switch (kind) {
        case InvokeKind::Method:
        case InvokeKind::PropertyGet:
            return getProperty(control, entry, arguments);
        case InvokeKind::PropertyLet:
        case InvokeKind::PropertySet:
            putProperty(control, entry, kind, arguments);
            return {};
    }
    raiseError(kErrNotSupported);
}

}  // namespace quelta
