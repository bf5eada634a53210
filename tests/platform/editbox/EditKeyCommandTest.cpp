#include <gtest/gtest.h>

#include "platform/editbox/EditKeyCommand.h"

namespace quelta {
namespace {

using C = EditCommand;
constexpr std::int16_t kNone = 0;
constexpr std::int16_t kShift = kShiftMask;

// The edit-box key table runs the common keys through a box; these rows pin the rest.
TEST(EditKeyCommandTest, KeysGoingDown) {
    struct Case {
        const char* name;
        std::uint16_t key;
        std::int16_t shift;
        bool multiLine;
        EditAction expected;
    };
    const Case cases[] = {
        {"shift down single-line", VK_DOWN, kShift, false, {C::MoveRight, true}},
        {"page down", VK_NEXT, kShift, true, {C::MovePageDown, true}},
        {"page up single-line does nothing", VK_PRIOR, kNone, false, {}},
        {"insert alone is not the box's", VK_INSERT, kNone, false, {}},
        {"alt left is not the box's", VK_LEFT, kAltMask, false, {}},
        {"a letter goes down as nothing", 'A', kNone, false, {}},
        {"backspace acts on its character", VK_BACK, kNone, false, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandForKey(static_cast<std::int16_t>(c.key), c.shift, c.multiLine), c.expected)
            << c.name;
}

TEST(EditKeyCommandTest, CharactersReceived) {
    struct Case {
        const char* name;
        char16_t character;
        bool multiLine;
        C expected;
    };
    const Case cases[] = {
        {"non-ANSI", u'\x263A', false, C::InsertCharacter},
        {"ctrl enter multi-line", 10, true, C::InsertLineBreak},
        {"tab single-line", 9, false, C::None},
        {"escape", 27, true, C::None},
        {"other control", 2, true, C::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandForCharacter(c.character, c.multiLine).command, c.expected) << c.name;
}

}  // namespace
}  // namespace quelta
