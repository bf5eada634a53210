#pragma once
// Pieces of JSON text, appended to a text being written, with nothing built on the way: a
// form file of ten thousand controls is written value by value. The spelling is the one the
// JSON library writes, so that a file saved before and after reads and compares the same.

#include <cstdint>
#include <string>

#include "platform/String.h"

namespace quelta {

// The text in quotes: UTF-8 (an unpaired surrogate becomes U+FFFD), with the quote, the
// backslash and control characters escaped, and nothing else.
void appendJsonString(std::string& json, StringView text);

void appendJsonNumber(std::string& json, std::int32_t number);

// The shortest digits that read back as the number; fixed point from 0.0001 to below 1e15,
// a whole number with ".0", otherwise with an exponent of two digits at least ("1e-05",
// "1.5e+300"). A number that is not finite is null.
void appendJsonNumber(std::string& json, double number);

}  // namespace quelta
