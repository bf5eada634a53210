#pragma once
// How the member table's names and types read in the public C++ API: member functions in
// lower camel case ("OLEDragMode" -> oleDragMode / setOLEDragMode), enumerations without
// their "qlta…Properties" wrapping (qltaAlignmentProperties -> Alignment, qltaLeftJustify ->
// LeftJustify), and each automation type as the C++ type a host passes.

#include <optional>
#include <string>
#include <string_view>

#include "api/TypeLibrary.h"

namespace quelta::codegen {

std::string getterName(std::string_view member);
std::string setterName(std::string_view member);
std::string handlerName(std::string_view event);        // "on" + the event's name
std::string parameterName(std::string_view parameter);  // "KeyAscii" -> keyAscii
std::string enumerationName(std::string_view enumeration);
std::string constantName(std::string_view constant);

// The name of the enumeration a member or a parameter takes; empty for other types.
std::string_view enumerationOf(const MemberInfo& member);
std::string_view enumerationOf(const ParameterInfo& parameter);

// The public C++ type of a value of the member table; nothing for a type that stays inside
// the library (DataObject).
std::optional<std::string> publicType(ValueType type, std::string_view enumeration = {});
std::optional<std::string> publicType(const MemberInfo& member);
std::optional<std::string> publicType(const ParameterInfo& parameter);

// Why a member or an event stays out of the typed front, or nothing when it is offered.
std::optional<std::string_view> leftOutBecause(const MemberInfo& member);
std::optional<std::string_view> leftOutBecause(const EventInfo& event);

}  // namespace quelta::codegen
