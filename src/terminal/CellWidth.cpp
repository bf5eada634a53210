#include "terminal/CellWidth.h"

#include <unicode/uchar.h>

namespace quelta::terminal {

int cellWidth(char32_t character) {
    // Printable ASCII, nearly every character of a form, needs no look-up.
    if (character >= 0x20 && character < 0x7F) return 1;
    const auto c = static_cast<UChar32>(character);
    const std::int32_t category = U_GET_GC_MASK(c);
    if ((category & (U_GC_MN_MASK | U_GC_ME_MASK | U_GC_CF_MASK)) != 0) return 0;
    if (c == 0x200B || (c >= 0x1160 && c <= 0x11FF)) return 0;  // zero-width space, jamo
    const int width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

int cellWidth(StringView text) {
    int cells = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const CodePoint c = codePointAt(text, i);
        cells += cellWidth(c.value);
        i += static_cast<std::size_t>(c.units);
    }
    return cells;
}

std::size_t unitsInCells(StringView text, int cells) {
    int taken = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const CodePoint c = codePointAt(text, i);
        taken += cellWidth(c.value);
        if (taken > cells) break;
        i += static_cast<std::size_t>(c.units);
    }
    return i;
}

}  // namespace quelta::terminal
