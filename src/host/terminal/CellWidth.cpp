#include "host/terminal/CellWidth.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

namespace quelta::terminal {

int cellWidth(char32_t character) {
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
        UChar32 c = 0;
        U16_NEXT(text.data(), i, text.size(), c);
        cells += cellWidth(static_cast<char32_t>(c));
    }
    return cells;
}

std::size_t unitsInCells(StringView text, int cells) {
    int taken = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t next = i;
        UChar32 c = 0;
        U16_NEXT(text.data(), next, text.size(), c);
        taken += cellWidth(static_cast<char32_t>(c));
        if (taken > cells) break;
        i = next;
    }
    return i;
}

}  // namespace quelta::terminal
