#pragma once
// Text as the platform keeps it: UTF-16 code units. Positions and lengths everywhere in
// the platform and the control count code units, as the platform's wide strings do.
// UTF-8 appears only at the edges (files, the terminal, the command line).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelta {

using String = std::u16string;
using StringView = std::u16string_view;

// Converts UTF-8 to UTF-16; malformed sequences become U+FFFD instead of failing,
// since the edges that call this (files, terminals) must never lose the rest of a text.
String fromUtf8(std::string_view utf8);

// Converts UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string toUtf8(StringView utf16);

// ASCII letter case. The platform's names, keywords and format codes are ASCII and match in
// any letter case; other letters are left alone, as the platform's own comparisons do.
template <typename Char>
constexpr Char asciiLower(Char c) {
    return c >= Char('A') && c <= Char('Z') ? Char(c - Char('A') + Char('a')) : c;
}
template <typename Char>
constexpr Char asciiUpper(Char c) {
    return c >= Char('a') && c <= Char('z') ? Char(c - Char('a') + Char('A')) : c;
}

bool equalsIgnoringAsciiCase(StringView a, StringView b);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(StringView text, StringView prefix);

// The text without the leading and trailing characters that isBlank accepts; each reader
// of text has its own idea of a blank.
StringView trimmedBy(StringView text, bool (*isBlank)(char16_t));

// One code point of UTF-16 text: its value and how many code units it takes. An unpaired
// surrogate stands for itself, one unit long, so that no text is ever refused or skipped.
struct CodePoint {
    char32_t value;
    std::int32_t units;
};

// The code point that starts at `at` (at < text.size()).
CodePoint codePointAt(StringView text, std::size_t at);
// Where the code point that ends at `at` starts (at > 0).
std::size_t codePointStartBefore(StringView text, std::size_t at);
// The code units of one code point (a surrogate pair above U+FFFF).
String codePointText(char32_t codePoint);

}  // namespace quelta
