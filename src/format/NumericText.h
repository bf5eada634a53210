#pragma once
// The rules that turn what was typed into a numeric control into text the platform's number
// conversion reads.

#include "platform/String.h"

namespace quelta {

// Keeps the characters of text that occur in numericChars (exact comparison) and an
// upper-case "E" followed by "+", "-" or a digit, so that exponents survive; drops
// everything else, group separators, spaces, currency signs and a lower-case "e" included.
// Nothing left gives "0".
String numericTextOf(StringView text, StringView numericChars);

}  // namespace quelta
