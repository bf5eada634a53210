// Keys from the terminal reach the platform as its keyboard's keys (the designer's
// commands, read from the same keys, are driven in FormDesignerTest).
#include <curses.h>
#include <gtest/gtest.h>

#include "platform/window/VirtualKeys.h"
#include "terminal/CursesKeys.h"

namespace quelta::terminal {
namespace {

using Kind = CursesInput::Kind;

struct CursesCase {
    bool isKeyCode;
    std::uint32_t code;
    const char* keyName;
    CursesInput expected;
};

TEST(CursesKeysTest, CodesAndCharactersBecomeThePlatformsKeys) {
    const CursesCase cases[] = {
        {true, KEY_BTAB, "KEY_BTAB", {Kind::Key, {VK_TAB, kShiftMask, u'\t'}}},
        {true, KEY_SR, "KEY_SR", {Kind::Key, {VK_UP, kShiftMask, 0}}},
        {true, 0x221, "kLFT5", {Kind::Key, {VK_LEFT, kCtrlMask, 0}}},
        {true, 0x222, "kHOM6", {Kind::Key, {VK_HOME, kCtrlMask | kShiftMask, 0}}},
        {true, static_cast<std::uint32_t>(KEY_F(10)), "KEY_F(10)", {Kind::Key, {VK_F1 + 9, 0, 0}}},
        {true, KEY_BACKSPACE, "KEY_BACKSPACE", {Kind::Key, {VK_BACK, 0, 0x08}}},
        {true, KEY_RESIZE, "KEY_RESIZE", {Kind::Resize, {}}},
        {true, 0x300, "kUNKNOWN", {Kind::Ignored, {}}},
        {false, U'a', "", {Kind::Key, {'A', 0, U'a'}}},
        {false, U'?', "", {Kind::Key, {VK_OEM_2, kShiftMask, U'?'}}},
        {false, 0x7F, "", {Kind::Key, {VK_BACK, 0, 0x08}}},
        {false, 0x11, "", {Kind::Key, {'Q', kCtrlMask, 0x11}}},
        {false, U'\u00E9', "", {Kind::Key, {VK_PACKET, 0, U'\u00E9'}}},
        {false, 0x85, "", {Kind::Ignored, {}}},
        {false, 0xD800, "", {Kind::Ignored, {}}},
    };
    for (const CursesCase& test : cases)
        EXPECT_EQ(cursesInput(test.isKeyCode, test.code, test.keyName), test.expected)
            << test.keyName << " " << test.code;
}

TEST(CursesKeysTest, ACharacterAboveTheBasicPlaneTravelsWhole) {
    const std::vector<KeyInput> inputs = keyInputsOf(*typedKey(U'\U0001F600'));
    ASSERT_EQ(inputs.size(), 4u);
    EXPECT_EQ((std::u16string{inputs[1].character, inputs[2].character}), u"\U0001F600");
}

}  // namespace
}  // namespace quelta::terminal
