#include <gtest/gtest.h>

#include <vector>

#include "EditBoxTestSupport.h"
#include "platform/Clipboard.h"
#include "platform/HostEditBox.h"

namespace quelta {
namespace {

using testing::FixedMeasurerScope;
using testing::makeBox;

constexpr std::int16_t kShift = kShiftMask;
constexpr std::int16_t kCtrl = kCtrlMask;
constexpr std::uint32_t kSingle = ES_AUTOHSCROLL;
constexpr std::uint32_t kMulti = ES_MULTILINE | ES_AUTOHSCROLL;

// One input: a key pressed with its modifiers, or a text typed character by character.
struct Input {
    std::uint16_t key = 0;
    std::int16_t shift = 0;
    const char16_t* typed = nullptr;
};
Input key(std::uint16_t code, std::int16_t shift = 0) {
    return Input{code, shift, nullptr};
}
Input type(const char16_t* text) {
    return Input{0, 0, text};
}

struct KeyCase {
    const char* name;
    std::uint32_t style;
    const char16_t* initial;
    std::int32_t anchor, caret;
    std::vector<Input> inputs;
    const char16_t* text;
    std::int32_t selStart, selLength;
};

void play(HostEditBox& box, const std::vector<Input>& inputs) {
    for (const Input& input : inputs) {
        if (input.typed != nullptr)
            box.typeText(input.typed);
        else
            box.pressKey(static_cast<std::int16_t>(input.key), input.shift);
    }
}

// Keys in, text and selection out.
TEST(HostEditBoxKeysTest, KeyTable) {
    FixedMeasurerScope measurer;
    const KeyCase cases[] = {
        {"typing inserts at the caret", kSingle, u"ac", 1, 1, {type(u"b")}, u"abc", 2, 0},
        {"typing replaces the selection", kSingle, u"hello", 0, 5, {type(u"bye")}, u"bye", 3, 0},
        {"backspace", kSingle, u"abc", 3, 3, {key(VK_BACK)}, u"ab", 2, 0},
        {"backspace at the start", kSingle, u"abc", 0, 0, {key(VK_BACK)}, u"abc", 0, 0},
        {"backspace deletes the selection", kSingle, u"abcd", 1, 3, {key(VK_BACK)}, u"ad", 1, 0},
        {"delete", kSingle, u"abc", 0, 0, {key(VK_DELETE)}, u"bc", 0, 0},
        {"delete at the end", kSingle, u"abc", 3, 3, {key(VK_DELETE)}, u"abc", 3, 0},
        {"ctrl backspace deletes a word",
         kSingle,
         u"one two",
         7,
         7,
         {key(VK_BACK, kCtrl)},
         u"one ",
         4,
         0},
        {"ctrl delete deletes a word",
         kSingle,
         u"one two",
         0,
         0,
         {key(VK_DELETE, kCtrl)},
         u"two",
         0,
         0},
        {"shift left extends",
         kSingle,
         u"abc",
         3,
         3,
         {key(VK_LEFT, kShift), key(VK_LEFT, kShift)},
         u"abc",
         1,
         2},
        {"left collapses a selection", kSingle, u"abcd", 1, 3, {key(VK_LEFT)}, u"abcd", 1, 0},
        {"right collapses a selection", kSingle, u"abcd", 3, 1, {key(VK_RIGHT)}, u"abcd", 3, 0},
        {"ctrl shift right selects a word",
         kSingle,
         u"one two",
         0,
         0,
         {key(VK_RIGHT, kShift | kCtrl)},
         u"one two",
         0,
         4},
        {"ctrl left", kSingle, u"one two", 6, 6, {key(VK_LEFT, kCtrl)}, u"one two", 4, 0},
        {"end single-line", kSingle, u"abc", 1, 1, {key(VK_END)}, u"abc", 3, 0},
        {"shift home single-line", kSingle, u"abc", 2, 2, {key(VK_HOME, kShift)}, u"abc", 0, 2},
        {"up in a single-line box is left", kSingle, u"abc", 2, 2, {key(VK_UP)}, u"abc", 1, 0},
        {"ctrl a selects all", kSingle, u"abc", 1, 1, {key('A', kCtrl)}, u"abc", 0, 3},
        {"enter in a multi-line box", kMulti, u"ab", 1, 1, {key(VK_RETURN)}, u"a\r\nb", 3, 0},
        {"enter in a single-line box", kSingle, u"ab", 1, 1, {key(VK_RETURN)}, u"ab", 1, 0},
        {"tab in a multi-line box", kMulti, u"ab", 1, 1, {key(VK_TAB)}, u"a\tb", 2, 0},
        {"left steps over CR LF", kMulti, u"a\r\nb", 3, 3, {key(VK_LEFT)}, u"a\r\nb", 1, 0},
        {"backspace removes a whole CR LF", kMulti, u"a\r\nb", 3, 3, {key(VK_BACK)}, u"ab", 1, 0},
        {"home is the row start", kMulti, u"ab\r\ncd", 5, 5, {key(VK_HOME)}, u"ab\r\ncd", 4, 0},
        {"end is before the CR LF", kMulti, u"ab\r\ncd", 0, 0, {key(VK_END)}, u"ab\r\ncd", 2, 0},
        {"ctrl end", kMulti, u"ab\r\ncd", 0, 0, {key(VK_END, kCtrl)}, u"ab\r\ncd", 6, 0},
        {"down keeps the column",
         kMulti,
         u"abcd\r\nef\r\nghij",
         3,
         3,
         {key(VK_DOWN)},
         u"abcd\r\nef\r\nghij",
         8,
         0},
        {"down twice returns to the column",
         kMulti,
         u"abcd\r\nef\r\nghij",
         3,
         3,
         {key(VK_DOWN), key(VK_DOWN)},
         u"abcd\r\nef\r\nghij",
         13,
         0},
        {"up on the first row stays", kMulti, u"ab\r\ncd", 1, 1, {key(VK_UP)}, u"ab\r\ncd", 1, 0},
        {"shift down extends",
         kMulti,
         u"ab\r\ncd",
         1,
         1,
         {key(VK_DOWN, kShift)},
         u"ab\r\ncd",
         1,
         4},
        {"page down moves three rows",
         kMulti,
         u"a\r\nb\r\nc\r\nd\r\ne",
         0,
         0,
         {key(VK_NEXT)},
         u"a\r\nb\r\nc\r\nd\r\ne",
         9,
         0},
        {"undo takes back typing",
         kSingle,
         u"abc",
         3,
         3,
         {type(u"de"), key('Z', kCtrl)},
         u"abc",
         3,
         0},
        {"undo of undo redoes",
         kSingle,
         u"abc",
         3,
         3,
         {type(u"de"), key('Z', kCtrl), key('Z', kCtrl)},
         u"abcde",
         3,
         2},
        {"upper-case style",
         kSingle | ES_UPPERCASE,
         u"",
         0,
         0,
         {type(u"abC\u00e9")},
         u"ABC\u00c9",
         4,
         0},
        {"lower-case style", kSingle | ES_LOWERCASE, u"", 0, 0, {type(u"ABc")}, u"abc", 3, 0},
        {"copy and paste",
         kSingle,
         u"abc",
         0,
         3,
         {key('C', kCtrl), key(VK_END), key('V', kCtrl)},
         u"abcabc",
         6,
         0},
        {"cut",
         kSingle,
         u"abcd",
         1,
         3,
         {key('X', kCtrl), key(VK_END), key('V', kCtrl)},
         u"adbc",
         4,
         0},
        {"shift delete cuts, shift insert pastes",
         kSingle,
         u"abcd",
         0,
         2,
         {key(VK_DELETE, kShift), key(VK_END), key(VK_INSERT, kShift)},
         u"cdab",
         4,
         0},
        {"ctrl insert copies",
         kSingle,
         u"xy",
         0,
         1,
         {key(VK_INSERT, kCtrl), key(VK_END), key(VK_INSERT, kShift)},
         u"xyx",
         3,
         0},
        {"single-line paste stops at the line break",
         kSingle,
         u"",
         0,
         0,
         {type(u"ab\r\ncd"), key('A', kCtrl), key('C', kCtrl), key(VK_DELETE), key('V', kCtrl)},
         u"abcd",
         4,
         0},
    };
    for (const KeyCase& c : cases) {
        clearClipboard();
        auto box = makeBox(c.style, nullptr, c.initial);
        box->setSelStart(std::min(c.anchor, c.caret));
        box->setSelLength(std::abs(c.caret - c.anchor));
        if (c.caret < c.anchor) {
            // Start the selection at the anchor: select backwards with Shift+Left.
            box->setSelStart(c.anchor);
            for (int i = 0; i < c.anchor - c.caret; ++i)
                box->pressKey(VK_LEFT, kShift);
        }
        play(*box, c.inputs);
        EXPECT_EQ(box->text(), c.text) << c.name;
        EXPECT_EQ(box->selStart(), c.selStart) << c.name;
        EXPECT_EQ(box->selLength(), c.selLength) << c.name;
    }
}

TEST(HostEditBoxKeysTest, MaxLengthLimitsTypingAndPasteButNotTheProgram) {
    FixedMeasurerScope measurer;
    clearClipboard();
    auto box = makeBox(kSingle);
    box->setMaxLength(4);
    box->typeText(u"abcdef");
    EXPECT_EQ(box->text(), u"abcd");
    // A selection makes room for what replaces it.
    box->setSelStart(1);
    box->setSelLength(2);
    box->typeText(u"XYZ");
    EXPECT_EQ(box->text(), u"aXYd");
    setClipboardText(u"123456");
    box->setSelStart(1);
    box->setSelLength(1);
    box->pressKey('V', kCtrl);
    EXPECT_EQ(box->text(), u"a1Yd");
    box->setText(u"much longer than four");
    EXPECT_EQ(box->text(), u"much longer than four");
    box->setMaxLength(0);
    box->pressKey(VK_END);
    box->typeText(u"!");
    EXPECT_EQ(box->text(), u"much longer than four!");
}

TEST(HostEditBoxKeysTest, LockedRefusesEveryUserEditButNotTheProgram) {
    FixedMeasurerScope measurer;
    setClipboardText(u"pasted");
    auto box = makeBox(kMulti, nullptr, u"text");
    box->setSelStart(4);
    box->typeText(u"!");  // an undo step from before locking
    box->setLocked(kTrue);
    box->setSelStart(2);
    const std::vector<Input> edits = {
        type(u"x"),      key(VK_BACK),           key(VK_DELETE),
        key('V', kCtrl), key('X', kCtrl),        key('Z', kCtrl),
        key(VK_RETURN),  key(VK_DELETE, kShift), key(VK_INSERT, kShift)};
    for (const Input& input : edits) {
        play(*box, {input});
        EXPECT_EQ(box->text(), u"text!");
    }
    EXPECT_EQ(box->dataChanged(), kTrue);  // from the edit before locking only
    box->pressKey('A', kCtrl);
    box->pressKey('C', kCtrl);
    EXPECT_EQ(clipboardText(), u"text!");
    box->setSelText(u"by program");
    EXPECT_EQ(box->text(), u"by program");
    box->setText(u"again");
    EXPECT_EQ(box->text(), u"again");
}

TEST(HostEditBoxKeysTest, PasswordMasksTheDisplayAndKeepsTheTextFromTheClipboard) {
    FixedMeasurerScope measurer;
    setClipboardText(u"before");
    auto box = makeBox(kSingle, nullptr, u"secret");
    box->setPasswordChar(u"*");
    EXPECT_EQ(box->displayText(), u"******");
    box->pressKey('A', kCtrl);
    box->pressKey('C', kCtrl);
    box->pressKey('X', kCtrl);
    EXPECT_EQ(clipboardText(), u"before");
    EXPECT_EQ(box->text(), u"secret");
    box->setPasswordChar(u"");
    EXPECT_EQ(box->displayText(), u"secret");
    // A multi-line box shows its text whatever the password character.
    auto multi = makeBox(kMulti, nullptr, u"open");
    multi->setPasswordChar(u"#");
    EXPECT_EQ(multi->displayText(), u"open");
}

// Without horizontal scrolling a single-line box holds only what fits its width.
TEST(HostEditBoxKeysTest, SingleLineWithoutScrollingStopsAtItsWidth) {
    FixedMeasurerScope measurer;
    auto fixed = makeBox(0);
    fixed->typeText(u"0123456789ABC");
    EXPECT_EQ(fixed->text(), u"0123456789");
    auto scrolling = makeBox(ES_AUTOHSCROLL);
    scrolling->typeText(u"0123456789ABC");
    EXPECT_EQ(scrolling->text(), u"0123456789ABC");
}

}  // namespace
}  // namespace quelta
