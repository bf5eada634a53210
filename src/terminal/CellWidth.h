#pragma once
// How many terminal cells a character takes: two for East Asian wide and full-width
// characters, none for combining marks and other zero-width characters, one otherwise.
// The terminal's own answer is the same for every character it can show.

#include "platform/String.h"

namespace quelta::terminal {

int cellWidth(char32_t character);
// The cells of a run of UTF-16 text; a lone surrogate counts as one cell.
int cellWidth(StringView text);
// How many UTF-16 units of `text` fit in its first `cells` cells without cutting a
// character.
std::size_t unitsInCells(StringView text, int cells);

}  // namespace quelta::terminal
