#pragma once
// The text the runtime's Print writes for a value.

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

// Text as it is, Null as "Null", every other value as CStr gives it (raising what CStr
// raises, e.g. error 424 for Nothing).
String printedText(const Variant& value);

}  // namespace quelta
