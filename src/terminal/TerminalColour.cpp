#include "terminal/TerminalColour.h"

#include <array>
#include <limits>

#include "platform/window/SystemColours.h"

namespace quelta::terminal {
namespace {

struct Rgb {
    int red;
    int green;
    int blue;
};

Rgb channelsOf(std::uint32_t rgb) {
    return {static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
            static_cast<int>((rgb >> 16) & 0xFF)};
}

int distance(Rgb a, Rgb b) {
    const int red = a.red - b.red;
    const int green = a.green - b.green;
    const int blue = a.blue - b.blue;
    return red * red + green * green + blue * blue;
}

// The eight basic colours and their bright forms, as terminals number them.
constexpr std::array<Rgb, 16> kBasicColours = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// The 256-colour palette from 16 on: a cube of six levels per channel, then 24 greys.
Rgb extendedColour(int index) {
    constexpr std::array<int, 6> kLevels = {0, 95, 135, 175, 215, 255};
    if (index >= 232) {
        const int grey = 8 + 10 * (index - 232);
        return {grey, grey, grey};
    }
    const int cube = index - 16;
    return {kLevels[static_cast<std::size_t>(cube / 36)],
            kLevels[static_cast<std::size_t>(cube / 6 % 6)],
            kLevels[static_cast<std::size_t>(cube % 6)]};
}

Rgb terminalRgb(int index, int paletteSize) {
    return paletteSize >= 256 ? extendedColour(index)
                              : kBasicColours[static_cast<std::size_t>(index)];
}

std::uint32_t rgbOr(std::uint32_t colour, std::uint32_t fallback) {
    return rgbOfColour(colour).value_or(*rgbOfColour(fallback));
}

}  // namespace

short nearestTerminalColour(std::uint32_t rgb, int paletteSize) {
    const Rgb wanted = channelsOf(rgb);
    const int first = paletteSize >= 256 ? 16 : 0;
    const int end = paletteSize >= 256 ? 256 : (paletteSize >= 16 ? 16 : 8);
    int best = first;
    int bestDistance = std::numeric_limits<int>::max();
    for (int index = first; index < end; ++index) {
        const int d = distance(wanted, terminalRgb(index, paletteSize));
        if (d < bestDistance) {
            best = index;
            bestDistance = d;
        }
    }
    return static_cast<short>(best);
}

TerminalColours fieldTerminalColours(std::uint32_t backColour, std::uint32_t foreColour,
                                     int paletteSize) {
    const std::uint32_t back = rgbOr(backColour, kSystemWindowBackground);
    TerminalColours colours{
        nearestTerminalColour(rgbOr(foreColour, kSystemWindowText), paletteSize),
        nearestTerminalColour(back, paletteSize)};
    if (colours.fore == colours.back) {
        const Rgb channels = channelsOf(back);
        const bool lightBack = channels.red + channels.green + channels.blue >= 3 * 128;
        colours.fore = nearestTerminalColour(lightBack ? 0x000000 : 0xFFFFFF, paletteSize);
    }
    return colours;
}

}  // namespace quelta::terminal
