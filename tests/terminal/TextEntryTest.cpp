// The designer's text boxes edit as the platform's edit box does: one character at a time,
// a character above U+FFFF and a line break whole, selection with Shift.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "platform/window/VirtualKeys.h"
#include "terminal/TextEntry.h"

namespace quelta::terminal {
namespace {

using quelta::testing::u8;

PressedKey key(std::uint16_t keyCode, std::int16_t shift = 0) {
    return {keyCode, shift, 0};
}
PressedKey typed(char32_t character) {
    return *typedKey(character);
}

struct EntryCase {
    String text;  // the caret starts after it; a line break makes the entry multi-line
    std::vector<PressedKey> keys;
    String expected;
    std::int32_t caret;
};

TEST(TextEntryTest, EditsAsTheEditBoxDoes) {
    const PressedKey left = key(VK_LEFT), shiftLeft = key(VK_LEFT, kShiftMask);
    // clang-format off
    const EntryCase cases[] = {
        {u"abc", {left, left, key(VK_DELETE)}, u"ac", 1},
        {u"abc", {key(VK_HOME), key(VK_DELETE), key(VK_END), typed(0x08)}, u"b", 1},
        {u"abc", {shiftLeft, shiftLeft, typed(U'x')}, u"ax", 2},
        {u"abc", {left, key(VK_HOME, kShiftMask), typed(U'x')}, u"xc", 1},
        {u"abc", {key(VK_HOME, kShiftMask), left, typed(U'x')}, u"xabc", 1},  // Left ends it
        {u"a\U0001F600b", {left, left, key(VK_DELETE)}, u"ab", 1},
        {u"a\U0001F600b", {left, typed(0x7F)}, u"ab", 1},
        {u"a\r\nb", {left, typed(0x08)}, u"ab", 1},
        {u"a\r\nb", {typed(U'\r'), typed(U'c'), key(VK_HOME), typed(U'd')}, u"a\r\nb\r\ndc", 7},
        {u"ab", {typed(0x01), typed(U'x'), typed(0x1A)}, u"ab", 2},  // Ctrl+A, Ctrl+Z
    };
    // clang-format on
    for (const EntryCase& test : cases) {
        TextEntry entry(test.text, test.text.find(u'\n') != String::npos);
        for (const PressedKey& pressed : test.keys)
            EXPECT_TRUE(entry.press(pressed)) << u8(test.text);
        EXPECT_EQ(u8(entry.text()), u8(test.expected)) << u8(test.text);
        EXPECT_EQ(entry.caret(), test.caret) << u8(test.text);
    }
    // The keys a dialog moves with stay the dialog's.
    TextEntry entry(u"ab", false);
    for (const PressedKey& pressed : {typed(U'\t'), key(VK_DOWN), key(VK_NEXT), typed(U'\r')})
        EXPECT_FALSE(entry.press(pressed)) << pressed.keyCode;
}

}  // namespace
}  // namespace quelta::terminal
