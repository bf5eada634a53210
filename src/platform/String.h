#pragma once
// Text as the platform keeps it: UTF-16 code units. Positions and lengths everywhere in
// the platform and the control count code units, as the platform's wide strings do.
// UTF-8 appears only at the edges (files, the terminal, the command line).

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

}  // namespace quelta
