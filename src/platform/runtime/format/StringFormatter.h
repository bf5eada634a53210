#pragma once
// Renders a text through a text section of a compiled format: '@' shows a character or a
// space, '&' a character or nothing, '<' and '>' change the letter case of the whole text.
// Placeholders are filled from the right, so that the first one takes every character left
// over; with '!' they are filled from the left and the last one takes the rest. No character
// of the text is ever dropped; a section without placeholders shows the text at its end.

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

void appendText(String& out, const CompiledFormat& format, const FormatSection& section,
                StringView text, const RegionalSettings& settings);

}  // namespace quelta
