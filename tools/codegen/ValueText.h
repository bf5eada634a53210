#pragma once
// How a property's default and the values it accepts read in the generated documentation,
// both from the property's row.

#include <string>

#include "api/TypeLibrary.h"

namespace quelta::codegen {

// "0 (LeftJustify)", "True", "&H80000005&", "\"\"", "the host's font"; a dash for a property
// without a default of its own (SelStart, hWnd). Where a new control takes another value
// first (Text its name), that is said too.
std::string defaultText(const MemberInfo& member);

// The constants of an enumeration the property keeps to ("0 LeftJustify (Left Justify), …"),
// "True, False" for a Boolean, a dash for the rest.
std::string acceptedValues(const MemberInfo& member);

}  // namespace quelta::codegen
