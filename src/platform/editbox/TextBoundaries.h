#pragma once
// Caret stops and words in an edit box's text. A CR LF pair and a surrogate pair are each
// one stop: the caret never lands inside them. Words are runs of characters other than
// spaces, tabs, CR and LF, as the platform's default word-break rule has it.

#include <cstdint>

#include "platform/String.h"

namespace quelta {

bool isWordBreak(char16_t c);

// The caret stop before / after a position (the position itself at the ends).
std::int32_t previousCaretStop(StringView text, std::int32_t position);
std::int32_t nextCaretStop(StringView text, std::int32_t position);

// Ctrl+Left / Ctrl+Right: the start of the word before the position, the start of the
// word after it (the end of the text when none follows).
std::int32_t previousWordStart(StringView text, std::int32_t position);
std::int32_t nextWordStart(StringView text, std::int32_t position);

// The word (or run of word breaks) that holds the character at the position, as a
// double click selects it: [start, end).
struct TextRange {
    std::int32_t start = 0;
    std::int32_t end = 0;
    friend bool operator==(TextRange, TextRange) = default;
};
TextRange wordAt(StringView text, std::int32_t position);

}  // namespace quelta
