#include "platform/window/SystemColours.h"

#include <array>

namespace quelta {
namespace {

constexpr std::uint32_t kSystemColourBit = 0x80000000u;
constexpr std::uint32_t kPaletteRgb = 0x02000000u;

// By index: scroll bar, desktop, active caption, inactive caption, menu, window, window
// frame, menu text, window text, caption text, active border, inactive border, application
// workspace, highlight, highlighted text, button face, button shadow, grey text, button
// text, inactive caption text, button highlight, 3-D dark shadow, 3-D light, tooltip text,
// tooltip background.
constexpr std::array<std::uint32_t, 25> kClassicScheme = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xE1FFFF,
};

}  // namespace

std::optional<std::uint32_t> rgbOfColour(std::uint32_t colour) {
    if ((colour & kSystemColourBit) != 0) {
        const std::uint32_t index = colour & ~kSystemColourBit;
        if (index >= kClassicScheme.size()) return std::nullopt;
        return kClassicScheme[index];
    }
    const std::uint32_t kind = colour & 0xFF000000u;
    if (kind != 0 && kind != kPaletteRgb) return std::nullopt;
    return colour & 0x00FFFFFFu;
}

}  // namespace quelta
