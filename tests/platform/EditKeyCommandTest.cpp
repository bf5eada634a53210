#include <gtest/gtest.h>

#include "platform/EditKeyCommand.h"

namespace quelta {
namespace {

using C = EditCommand;
constexpr std::int16_t kNone = 0;
constexpr std::int16_t kShift = kShiftMask;
constexpr std::int16_t kCtrl = kCtrlMask;
constexpr std::int16_t kCtrlShift = kShiftMask | kCtrlMask;

TEST(EditKeyCommandTest, KeysGoingDown) {
    struct Case {
        const char* name;
        std::uint16_t key;
        std::int16_t shift;
        bool multiLine;
        EditAction expected;
    };
    const Case cases[] = {
        {"left", VK_LEFT, kNone, false, {C::MoveLeft, false}},
        {"shift right extends", VK_RIGHT, kShift, false, {C::MoveRight, true}},
        {"ctrl left by word", VK_LEFT, kCtrl, true, {C::MoveWordLeft, false}},
        {"ctrl shift right", VK_RIGHT, kCtrlShift, true, {C::MoveWordRight, true}},
        {"up in a multi-line box", VK_UP, kNone, true, {C::MoveUp, false}},
        {"up in a single-line box moves left", VK_UP, kNone, false, {C::MoveLeft, false}},
        {"shift down single-line", VK_DOWN, kShift, false, {C::MoveRight, true}},
        {"page down", VK_NEXT, kShift, true, {C::MovePageDown, true}},
        {"page up single-line does nothing", VK_PRIOR, kNone, false, {}},
        {"home multi-line is the row", VK_HOME, kNone, true, {C::MoveRowStart, false}},
        {"home single-line is the text", VK_HOME, kShift, false, {C::MoveTextStart, true}},
        {"ctrl end", VK_END, kCtrl, true, {C::MoveTextEnd, false}},
        {"end", VK_END, kNone, true, {C::MoveRowEnd, false}},
        {"delete", VK_DELETE, kNone, false, {C::DeleteForward}},
        {"ctrl delete by word", VK_DELETE, kCtrl, false, {C::DeleteWordForward}},
        {"shift delete cuts", VK_DELETE, kShift, false, {C::Cut}},
        {"shift insert pastes", VK_INSERT, kShift, false, {C::Paste}},
        {"ctrl insert copies", VK_INSERT, kCtrl, false, {C::Copy}},
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
        {"letter", u'a', false, C::InsertCharacter},
        {"non-ANSI", u'\x263A', false, C::InsertCharacter},
        {"backspace", 8, false, C::DeleteBackward},
        {"ctrl backspace", 127, false, C::DeleteWordBackward},
        {"enter multi-line", 13, true, C::InsertLineBreak},
        {"ctrl enter multi-line", 10, true, C::InsertLineBreak},
        {"enter single-line", 13, false, C::None},
        {"tab multi-line", 9, true, C::InsertCharacter},
        {"tab single-line", 9, false, C::None},
        {"ctrl a", 1, false, C::SelectAll},
        {"ctrl c", 3, false, C::Copy},
        {"ctrl v", 22, false, C::Paste},
        {"ctrl x", 24, false, C::Cut},
        {"ctrl z", 26, false, C::Undo},
        {"escape", 27, true, C::None},
        {"other control", 2, true, C::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandForCharacter(c.character, c.multiLine).command, c.expected) << c.name;
}

}  // namespace
}  // namespace quelta
