#pragma once
// The runtime library's small text routines.

#include <cstdint>

#include "platform/String.h"

namespace quelta {

// Upper-cases a text by the full Unicode rules ("straße" becomes "STRASSE").
String upperCase(StringView text);

// Removes leading and trailing spaces (U+0020 only, as the platform's Trim does).
String trimSpaces(StringView text);

// Whether a one-character text is a decimal digit 0..9; false for any other text.
bool isDigitCharacter(StringView text);

// The ANSI (Windows-1252) code of the first character: a character outside the code page
// gives 63 ("?"), as the platform's conversion does. Error 5 for an empty text.
std::int32_t Asc(StringView text);

// The character of an ANSI (Windows-1252) code 0..255; 128 is the euro sign. Error 5
// outside that range.
String Chr(std::int32_t code);

}  // namespace quelta
