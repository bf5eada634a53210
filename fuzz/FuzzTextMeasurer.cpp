// Measures arbitrary UTF-16 text (unpaired surrogates, private-use and unassigned code
// points included) with the default measurer. Every width must be a finite number.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/fonts/Font.h"
#include "platform/fonts/TextMeasurer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    quelta::Font font(u"DejaVu Sans", 1.0f + data[0] % 72);
    font.setBold((data[0] & 0x40) != 0);
    font.setItalic((data[0] & 0x80) != 0);
    quelta::String text;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    }
    const double width = quelta::textMeasurer().textWidth(font, text);
    if (!std::isfinite(width) || (text.empty() && width != 0.0)) __builtin_trap();
    return 0;
}
