#pragma once
// The control's type library: one table of its interfaces, members, events and
// enumerations. A member's row says everything the control has to say about it: its
// dispatch data, its accessors, the values a write accepts, its default and how a saved
// form keeps it. Name lookup, dispatch, persistence, the property pages' lists, the
// property browser's data and the printed library are all derived from these rows, so they
// cannot drift apart.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "api/Persistence.h"
#include "api/ValueType.h"
#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class Quelta;

using DispatchId = std::int32_t;

inline constexpr DispatchId DISPID_VALUE = 0;
inline constexpr DispatchId DISPID_UNKNOWN = -1;

// Member flags of the type library.
inline constexpr std::uint16_t FUNCFLAG_FBINDABLE = 0x4;
inline constexpr std::uint16_t FUNCFLAG_FREQUESTEDIT = 0x8;
inline constexpr std::uint16_t FUNCFLAG_FDEFAULTBIND = 0x20;
inline constexpr std::uint16_t FUNCFLAG_FHIDDEN = 0x40;
inline constexpr std::uint16_t FUNCFLAG_FUIDEFAULT = 0x200;
inline constexpr std::uint16_t FUNCFLAG_FNONBROWSABLE = 0x400;

enum class MemberKind { Method, Property };

// Accessors a property offers.
enum Access : std::uint8_t { kGet = 1, kLet = 2, kSet = 4 };

enum class Category { None, Misc, Appearance, Behavior, Font };

// The host's standard page that a property opens on its own.
enum class StandardPage { None, Color, Font, Picture };

// One constant of an enumeration, with the words a property page lists it under after its
// value ("0 - Left Justify").
struct EnumConstant {
    std::string_view name;
    std::int32_t value;
    std::string_view caption;
};

struct EnumerationInfo {
    std::string_view name;
    std::string_view guid;
    std::span<const EnumConstant> constants;

    constexpr bool has(std::int32_t value) const {
        for (const EnumConstant& constant : constants) {
            if (constant.value == value) return true;
        }
        return false;
    }
};

struct ParameterInfo {
    std::string_view name;
    ValueType type;
};

// How the control carries out a member. A reader returns the accessor's value as the
// member's declared type, given the get accessor's arguments already converted to theirs;
// a writer receives the argument already converted to the member's declared type
// (ArgumentConversion.h), so what a member takes follows from its row alone. Every
// accessor a row's access names is bound (checked when the table is compiled).
using MemberReader = Variant (*)(Quelta&, std::span<const Variant>);
using MemberWriter = void (*)(Quelta&, const Variant&);
using MemberCaller = void (*)(Quelta&);

inline constexpr std::int32_t kNoHelpContext = -1;

// One member of _Quelta: what the type library says about it, how dispatch carries it out,
// and for a property what a write accepts and how a saved form keeps it. Rows name their
// fields, so that two neighbours of one type cannot be swapped unseen.
struct MemberInfo {
    std::string_view name;
    MemberKind kind = MemberKind::Property;
    std::uint8_t access = 0;  // for properties: kGet, kLet, kSet combined
    ValueType type = ValueType::None;
    const EnumerationInfo* enumeration = nullptr;  // for ValueType::Enumeration
    // A write of any value but the enumeration's constants fails with error 380; only the
    // design-time test comes before this one.
    bool onlyConstants = false;
    DispatchId dispid = DISPID_UNKNOWN;
    std::uint16_t flags = 0;
    std::int32_t helpContext = kNoHelpContext;
    Category category = Category::None;
    StandardPage page = StandardPage::None;
    bool designTimeOnly = false;  // writing while the application runs fails with error 382
    std::string_view helpString = {};
    std::span<const ParameterInfo> parameters = {};  // of the get accessor (RowLength's Line)
    std::string_view writeArgument = {};  // the write accessor's argument, when not New_<name>
    std::string_view listedAfter = {};    // the member it follows in the library's member list,
                                          // when that is not its slot order
    DefaultValue byDefault = {};          // of a persisted property
    NewControlValue newControl = {};
    Persistence persisted = {};
    MemberReader read = nullptr;
    MemberWriter write = nullptr;
    MemberCaller call = nullptr;

    constexpr bool readable() const { return kind == MemberKind::Property && (access & kGet); }
    constexpr bool writable() const {
        return kind == MemberKind::Property && (access & (kLet | kSet));
    }
    constexpr bool acceptsValue(std::int32_t value) const {
        return !onlyConstants || enumeration->has(value);
    }
    std::string writeArgumentName() const;
    // The name as the platform's text, for property-change reports and bag keys.
    StringView wideName() const;
};

struct EventInfo {
    std::string_view name;
    DispatchId dispid = DISPID_UNKNOWN;
    std::span<const ParameterInfo> parameters = {};  // all by reference
    std::uint16_t flags = 0;
    std::int32_t helpContext = kNoHelpContext;
    std::string_view helpString = {};
};

struct PropertyPageInfo {
    std::string_view className = {};  // empty for the host's standard pages
    std::string_view caption;
    std::string_view guid = {};  // of the control's own pages
    std::string_view interfaceGuid = {};
};

struct LibraryInfo {
    std::string_view name;
    std::string_view guid;
    std::uint16_t lcid;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    std::string_view helpFile;
    std::int32_t helpContext;
    std::string_view helpString;
    std::string_view controlClassGuid;
    std::string_view dispatchInterfaceGuid;
    std::string_view eventInterfaceGuid;
    std::int32_t toolboxBitmapId;
};

const LibraryInfo& libraryInfo();

// The members of _Quelta in the order of their slots (the order early-bound callers rely
// on), the events of __Quelta, the enumerations and the property pages, each in
// declaration order.
std::span<const MemberInfo> members();
std::span<const EventInfo> events();
std::span<const EnumerationInfo* const> enumerations();
std::span<const PropertyPageInfo> propertyPages();
std::span<const std::string_view> categoryNames();  // "Misc", "Appearance", "Behavior", "Font"

// The members in the order of the type library's member list, which differs from the slot
// order for Col, Row, RowLength and Rows.
std::span<const MemberInfo* const> membersInLibraryOrder();

// The persisted properties in the order ReadProperties reads them (one that is read twice
// stands at both places) and in the order WriteProperties writes them.
std::span<const MemberInfo* const> persistedReadOrder();
std::span<const MemberInfo* const> persistedWriteOrder();

// Name lookup, case-insensitive. Returns DISPID_UNKNOWN when no member has the name.
DispatchId GetIDsOfNames(StringView name);

const MemberInfo* memberByDispatchId(DispatchId dispid);
const MemberInfo* memberByName(std::string_view name);  // case-insensitive
const MemberInfo* memberByName(StringView name);        // case-insensitive
const EventInfo* eventByName(std::string_view name);    // case-insensitive
const EventInfo* eventByDispatchId(DispatchId dispid);

// The name of a category for the property browser; empty for Category::None.
std::string_view categoryName(Category category);

}  // namespace quelta
