#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "terminal/TerminalColour.h"

namespace quelta::terminal {
namespace {

TEST(TerminalColourTest, NearestColourOfEachPaletteSize) {
    // 0x00BBGGRR; the nearest of 256 colours, of 16 and of 8.
    const std::pair<std::uint32_t, std::array<short, 3>> cases[] = {
        {0xFFFFFF, {231, 15, 7}}, {0x0000FF, {196, 9, 1}}, {0x800000, {18, 4, 4}},  // navy
        {0xC0C0C0, {250, 7, 7}},  // the grey ramp is nearer than the cube's 175
        {0x808080, {244, 8, 7}},
    };
    for (const auto& [rgb, nearest] : cases) {
        const std::array<short, 3> found = {nearestTerminalColour(rgb, 256),
                                            nearestTerminalColour(rgb, 16),
                                            nearestTerminalColour(rgb, 8)};
        EXPECT_EQ(found, nearest) << std::hex << rgb;
    }
}

// System colours resolve through the platform's scheme; text never vanishes into its
// background.
TEST(TerminalColourTest, FieldColoursResolveAndStayReadable) {
    const std::tuple<std::uint32_t, std::uint32_t, int, TerminalColours> cases[] = {
        {0x80000005, 0x80000008, 256, {16, 231}},   // window text on the window
        {0x80000019, 0x01000003, 256, {16, 231}},   // no such index, a palette index: defaults
        {0x8000000F, 0x020000FF, 256, {196, 250}},  // palette-matched red on the button face
        {0x8000000F, 0x80000011, 8, {0, 7}},        // grey text on the button face: black
        {0x000000, 0x020202, 256, {231, 16}},       // near-black on black: white
    };
    for (const auto& [back, fore, palette, expected] : cases)
        EXPECT_EQ(fieldTerminalColours(back, fore, palette), expected)
            << std::hex << back << " " << fore;
}

}  // namespace
}  // namespace quelta::terminal
