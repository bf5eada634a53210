#pragma once
// Single-line emulation keeps a multi-line box to one row, so tabs and line feeds of a
// stored text are shown as a visible placeholder instead of moving the text.

#include "platform/String.h"

namespace quelta {

// Single-line emulation shows tabs and line feeds as the character of ANSI code 128, one
// for one; carriage returns stay. The length never changes.
void ReplaceLineBreaks(String& text);

}  // namespace quelta
