#pragma once
// How a persisted property's value looks in a saved form, by the property's declared type.
// Pure conversions: the member table says which type and which default each property has.

#include "api/Persistence.h"
#include "api/ValueType.h"
#include "platform/container/ControlContainer.h"
#include "platform/runtime/Variant.h"

namespace quelta {

// A value from a saved form in the type the control keeps it in: a 16-bit number for an
// enumeration or an Integer, a 16-bit Boolean, a 32-bit number for a Long or a colour, text,
// or an object of the property's kind. A picture read as Nothing is an empty picture. A value
// the conversion cannot take raises its error (6, 13, 94), another kind of object error 13.
Variant fromSavedForm(ValueType type, const Variant& saved);

// What a saved form holds of a value as the control keeps it: a flag as a Boolean and an
// empty picture as Nothing, so that a control without an icon leaves the key out.
Variant toSavedForm(ValueType type, Variant stored);

// A default as a saved form holds it; the container is asked for its ambient font only when
// that is the default.
Variant savedDefault(ValueType type, const DefaultValue& value, const ControlContainer& container);

}  // namespace quelta
