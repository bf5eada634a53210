#include <gtest/gtest.h>

#include "host/terminal/TerminalColour.h"

namespace quelta::terminal {
namespace {

TEST(TerminalColourTest, NearestColourOfEachPaletteSize) {
    struct Case {
        std::uint32_t rgb;  // 0x00BBGGRR
        short of256, of16, of8;
    };
    const Case cases[] = {
        {0x000000, 16, 0, 0},  {0xFFFFFF, 231, 15, 7}, {0x0000FF, 196, 9, 1},
        {0xC0C0C0, 250, 7, 7},                        // the grey ramp is nearer than the cube's 175
        {0x808080, 244, 8, 7}, {0x800000, 18, 4, 4},  // navy
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nearestTerminalColour(c.rgb, 256), c.of256) << std::hex << c.rgb;
        EXPECT_EQ(nearestTerminalColour(c.rgb, 16), c.of16) << std::hex << c.rgb;
        EXPECT_EQ(nearestTerminalColour(c.rgb, 8), c.of8) << std::hex << c.rgb;
    }
}

TEST(TerminalColourTest, FieldTextNeverVanishesIntoItsBackground) {
    struct Case {
        std::uint32_t back, fore;
        int palette;
        TerminalColours expected;
    };
    const Case cases[] = {
        {0x80000005, 0x80000008, 256, {16, 231}},  // window text on the window
        {0x80000040, 0x80000008, 256, {16, 231}},  // no such system colour: the window's
        {0x8000000F, 0x80000011, 8, {0, 7}},       // grey text on the button face: black
        {0x000000, 0x020202, 256, {231, 16}},      // near-black on black: white
    };
    for (const Case& c : cases)
        EXPECT_EQ(fieldTerminalColours(c.back, c.fore, c.palette), c.expected)
            << std::hex << c.back << " " << c.fore;
}

}  // namespace
}  // namespace quelta::terminal
