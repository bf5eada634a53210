#pragma once
// Unary minus on a Variant, by the platform's rules: the result keeps the operand's type
// where the negated value fits it and widens where it does not.

#include "platform/runtime/Variant.h"

namespace quelta {

// Null stays Null, Empty becomes Integer 0, a Boolean its Integer opposite (True gives 1).
// The one Integer and the one Long without an opposite in their own type widen to Long and
// Double. Any other value is read as a Double first, raising what that reading raises.
Variant negated(const Variant& value);

}  // namespace quelta
