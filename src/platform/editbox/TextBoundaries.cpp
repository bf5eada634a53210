#include "platform/editbox/TextBoundaries.h"

#include <algorithm>

namespace quelta {
namespace {

std::int32_t sizeOf(StringView text) {
    return static_cast<std::int32_t>(text.size());
}

}  // namespace

bool isWordBreak(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::int32_t previousCaretStop(StringView text, std::int32_t position) {
    position = std::clamp(position, 0, sizeOf(text));
    if (position == 0) return 0;
    const char16_t before = text[position - 1];
    if (position >= 2 && before == u'\n' && text[position - 2] == u'\r') return position - 2;
    return static_cast<std::int32_t>(codePointStartBefore(text, position));
}

std::int32_t nextCaretStop(StringView text, std::int32_t position) {
    const std::int32_t size = sizeOf(text);
    position = std::clamp(position, 0, size);
    if (position == size) return size;
    const char16_t at = text[position];
    if (position + 1 < size && at == u'\r' && text[position + 1] == u'\n') return position + 2;
    return position + codePointAt(text, position).units;
}

std::int32_t previousWordStart(StringView text, std::int32_t position) {
    position = std::clamp(position, 0, sizeOf(text));
    while (position > 0 && isWordBreak(text[position - 1]))
        --position;
    while (position > 0 && !isWordBreak(text[position - 1]))
        --position;
    return position;
}

std::int32_t nextWordStart(StringView text, std::int32_t position) {
    const std::int32_t size = sizeOf(text);
    position = std::clamp(position, 0, size);
    while (position < size && !isWordBreak(text[position]))
        ++position;
    while (position < size && isWordBreak(text[position]))
        ++position;
    return position;
}

TextRange wordAt(StringView text, std::int32_t position) {
    const std::int32_t size = sizeOf(text);
    if (size == 0) return {};
    position = std::clamp(position, 0, size - 1);
    const bool breakRun = isWordBreak(text[position]);
    TextRange range{position, position};
    while (range.start > 0 && isWordBreak(text[range.start - 1]) == breakRun)
        --range.start;
    while (range.end < size && isWordBreak(text[range.end]) == breakRun)
        ++range.end;
    return range;
}

}  // namespace quelta
