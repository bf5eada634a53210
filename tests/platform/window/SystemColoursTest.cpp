#include <gtest/gtest.h>

#include "platform/window/SystemColours.h"

namespace quelta {
namespace {

TEST(SystemColoursTest, ResolvesSystemIndicesAndPassesRgbThrough) {
    const std::pair<std::uint32_t, std::optional<std::uint32_t>> cases[] = {
        {0x8000000F, 0xC0C0C0},      // button face
        {0x80000018, 0xE1FFFF},      // the last index: tooltip background
        {0x80000019, std::nullopt},  // no such index
        {0x000000FF, 0x0000FF},      // red
        {0x020000FF, 0x0000FF},      // red, matched in a palette
        {0x01000003, std::nullopt},  // a palette index, without a palette
    };
    for (const auto& [colour, expected] : cases)
        EXPECT_EQ(rgbOfColour(colour), expected) << std::hex << colour;
}

}  // namespace
}  // namespace quelta
