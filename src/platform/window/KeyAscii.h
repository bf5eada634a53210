#pragma once
// KeyAscii, the 16-bit code under which a typed character travels to KeyPress handlers:
// the code in the platform's ANSI code page (Windows-1252) for a character that page holds,
// the UTF-16 code unit otherwise (negative from U+8000 on, as a signed 16-bit value).

#include <cstdint>

namespace quelta {

std::int16_t keyAsciiOf(char16_t character);
char16_t characterOfKeyAscii(std::int16_t keyAscii);

}  // namespace quelta
