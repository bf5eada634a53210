#pragma once
// The control's dispatch interface: calls a member of a control by its DISPID, with the
// checks an automation host relies on. Names resolve to DISPIDs with GetIDsOfNames.
//
// Errors: 438 for an unknown DISPID or a method called as a property, 383 for
// a write of a read-only property, 394 for a read of a write-only one, 450 for the wrong
// number of arguments, 13 for a reference assignment (PropertySet) of a property that takes
// a value, and the conversion errors of ArgumentConversion.h for the member's declared type.
// A value write (PropertyLet) of an object property assigns the object, as a reference
// assignment does. A method call of a property reads it, as hosts that pass both flags expect.

#include <span>

#include "api/TypeLibrary.h"
#include "control/Quelta.h"
#include "platform/runtime/Variant.h"

namespace quelta {

enum class InvokeKind { Method, PropertyGet, PropertyLet, PropertySet };

// Returns the result of a get, Empty for everything else. Arguments of a write are the new
// value alone; a get takes the member's own parameters (RowLength's Line).
Variant Invoke(Quelta& control, DispatchId dispid, InvokeKind kind, std::span<Variant> arguments);

}  // namespace quelta
