#pragma once
// Converts the values that cross the dispatch interface to and from the type a member
// declares, by the platform's automation rules.

#include "api/ValueType.h"
#include "platform/runtime/Variant.h"

namespace quelta {

// An argument as the declared type: error 13 for a value of the wrong kind, error 6 for one
// that does not fit, error 94 for Null; for objects, error 13 for a value that is not an
// object of the kind and 424 for Nothing. An OLE colour comes back as a Long holding its 32
// bits: a Long is taken bit for bit, so a negative Long is a system colour, and other
// numbers must lie in -2^31 .. 2^32-1. An enumerated value is a Long.
Variant argumentAs(ValueType type, const Variant& value);

}  // namespace quelta
