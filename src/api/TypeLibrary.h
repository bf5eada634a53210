#pragma once
// The control's type library: one table of its interfaces, members, events and
// enumerations. Name lookup, dispatch, the property browser's data and the printed library
// are all derived from these rows, so they cannot drift apart.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/String.h"

namespace quelta {

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

// The automation type of a property, a parameter or a result.
enum class ValueType {
    None,
    Boolean,
    Integer,
    Long,
    Single,
    String,
    Color,  // OLE_COLOR, 32 bits
    Font,
    Picture,
    DataObject,
    Enumeration,  // 32-bit signed value of the named enumeration
};

enum class MemberKind { Method, Property };

// Accessors a property offers.
enum Access : std::uint8_t { kGet = 1, kLet = 2, kSet = 4 };

enum class Category { None, Misc, Appearance, Behavior, Font };

// The host's standard page that a property opens on its own.
enum class StandardPage { None, Color, Font, Picture };

struct ParameterInfo {
    std::string_view name;
    ValueType type;
    std::string_view enumeration = {};
};

struct MemberInfo {
    std::string_view name;
    MemberKind kind;
    std::uint8_t access;  // for properties: kGet, kLet, kSet combined
    ValueType type;
    std::string_view enumeration;  // for ValueType::Enumeration
    DispatchId dispid;
    std::uint16_t flags;
    std::int32_t helpContext;  // -1: none
    Category category;
    StandardPage page;
    bool designTimeOnly;  // writing while the application runs fails with error 382
    std::string_view helpString;
    std::span<const ParameterInfo> parameters;  // of the get accessor (RowLength's Line)

    bool readable() const { return kind == MemberKind::Property && (access & kGet); }
    bool writable() const { return kind == MemberKind::Property && (access & (kLet | kSet)); }
    // The name of the write accessor's argument: New_ and the property name.
    std::string writeArgumentName() const;
};

struct EventInfo {
    std::string_view name;
    DispatchId dispid;
    std::span<const ParameterInfo> parameters;  // all by reference
    std::uint16_t flags;
    std::int32_t helpContext;
    std::string_view helpString;
};

struct EnumConstant {
    std::string_view name;
    std::int32_t value;
};

struct EnumerationInfo {
    std::string_view name;
    std::string_view guid;
    std::span<const EnumConstant> constants;
};

struct PropertyPageInfo {
    std::string_view className;  // empty for the host's standard pages
    std::string_view caption;
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
    std::string_view mainPageGuid;
    std::string_view mainPageInterfaceGuid;
    std::string_view textPageGuid;
    std::string_view textPageInterfaceGuid;
    std::int32_t toolboxBitmapId;
};

const LibraryInfo& libraryInfo();

// The members of _Quelta in the order of their slots (the order early-bound callers rely
// on), the events of __Quelta, the enumerations and the property pages, each in
// declaration order.
std::span<const MemberInfo> members();
std::span<const EventInfo> events();
std::span<const EnumerationInfo> enumerations();
std::span<const PropertyPageInfo> propertyPages();
std::span<const std::string_view> categoryNames();  // "Misc", "Appearance", "Behavior", "Font"

// The members in the order of the type library's member list, which differs from the slot
// order for Col, Row, RowLength and Rows.
std::span<const MemberInfo* const> membersInLibraryOrder();

// Name lookup, case-insensitive. Returns DISPID_UNKNOWN when no member has the name.
DispatchId GetIDsOfNames(StringView name);

const MemberInfo* memberByDispatchId(DispatchId dispid);
const MemberInfo* memberByName(std::string_view name);  // case-insensitive
const EventInfo* eventByName(std::string_view name);    // case-insensitive
const EventInfo* eventByDispatchId(DispatchId dispid);
const EnumerationInfo* enumerationByName(std::string_view name);

// The name of a category for the property browser; empty for Category::None.
std::string_view categoryName(Category category);

}  // namespace quelta
