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

void play(HostEditBox& box, const std::vector<Input>& inputs) {
    for (const Input& input : inputs) {
        if (input.typed != nullptr)
            box.typeText(input.typed);
        else
            box.pressKey(static_cast<std::int16_t>(input.key), input.shift);
    }
}

// A box state written as its text with "|" at the caret and "^" at the selection's anchor
// (no "^": nothing selected).
struct MarkedState {
    String text;
    std::int32_t anchor = 0, caret = 0;
};
MarkedState parseMarked(const char16_t* marked) {
    MarkedState state;
    bool anchored = false;
    for (const char16_t* c = marked; *c; ++c) {
        const auto at = static_cast<std::int32_t>(state.text.size());
        if (*c == u'|') {
            state.caret = at;
        } else if (*c == u'^') {
            state.anchor = at;
            anchored = true;
        } else {
            state.text += *c;
        }
    }
    if (!anchored) state.anchor = state.caret;
    return state;
}

// Every test measures with the fixed measurer.
class HostEditBoxKeysTest : public ::testing::Test {
protected:
    FixedMeasurerScope measurer;
};

// Keys in, text and selection out.
TEST_F(HostEditBoxKeysTest, KeyTable) {
    struct Case {
        const char* name;
        std::uint32_t style;
        const char16_t* before;
        std::vector<Input> inputs;
        const char16_t* after;
    };
    const Case cases[] = {
        {"typing inserts at the caret", kSingle, u"a|c", {type(u"b")}, u"ab|c"},
        {"typing replaces the selection", kSingle, u"^hello|", {type(u"bye")}, u"bye|"},
        {"backspace", kSingle, u"abc|", {key(VK_BACK)}, u"ab|"},
        {"backspace at the start", kSingle, u"|abc", {key(VK_BACK)}, u"|abc"},
        {"backspace deletes the selection", kSingle, u"a^bc|d", {key(VK_BACK)}, u"a|d"},
        {"delete", kSingle, u"|abc", {key(VK_DELETE)}, u"|bc"},
        {"delete at the end", kSingle, u"abc|", {key(VK_DELETE)}, u"abc|"},
        {"ctrl backspace deletes a word", kSingle, u"one two|", {key(VK_BACK, kCtrl)}, u"one |"},
        {"ctrl delete deletes a word", kSingle, u"|one two", {key(VK_DELETE, kCtrl)}, u"|two"},
        {"shift left extends",
         kSingle,
         u"abc|",
         {key(VK_LEFT, kShift), key(VK_LEFT, kShift)},
         u"a|bc^"},
        {"left collapses a selection", kSingle, u"a^bc|d", {key(VK_LEFT)}, u"a|bcd"},
        {"right collapses a selection", kSingle, u"a|bc^d", {key(VK_RIGHT)}, u"abc|d"},
        {"ctrl shift right selects a word",
         kSingle,
         u"|one two",
         {key(VK_RIGHT, kShift | kCtrl)},
         u"^one |two"},
        {"ctrl left", kSingle, u"one tw|o", {key(VK_LEFT, kCtrl)}, u"one |two"},
        {"end single-line", kSingle, u"a|bc", {key(VK_END)}, u"abc|"},
        {"shift home single-line", kSingle, u"ab|c", {key(VK_HOME, kShift)}, u"|ab^c"},
        {"up in a single-line box is left", kSingle, u"ab|c", {key(VK_UP)}, u"a|bc"},
        {"ctrl a selects all", kSingle, u"a|bc", {key('A', kCtrl)}, u"^abc|"},
        {"enter in a multi-line box", kMulti, u"a|b", {key(VK_RETURN)}, u"a\r\n|b"},
        {"enter in a single-line box", kSingle, u"a|b", {key(VK_RETURN)}, u"a|b"},
        {"tab in a multi-line box", kMulti, u"a|b", {key(VK_TAB)}, u"a\t|b"},
        {"left steps over CR LF", kMulti, u"a\r\n|b", {key(VK_LEFT)}, u"a|\r\nb"},
        {"backspace removes a whole CR LF", kMulti, u"a\r\n|b", {key(VK_BACK)}, u"a|b"},
        {"home is the row start", kMulti, u"ab\r\nc|d", {key(VK_HOME)}, u"ab\r\n|cd"},
        {"end is before the CR LF", kMulti, u"|ab\r\ncd", {key(VK_END)}, u"ab|\r\ncd"},
        {"ctrl end", kMulti, u"|ab\r\ncd", {key(VK_END, kCtrl)}, u"ab\r\ncd|"},
        {"down keeps the column",
         kMulti,
         u"abc|d\r\nef\r\nghij",
         {key(VK_DOWN)},
         u"abcd\r\nef|\r\nghij"},
        {"down twice returns to the column",
         kMulti,
         u"abc|d\r\nef\r\nghij",
         {key(VK_DOWN), key(VK_DOWN)},
         u"abcd\r\nef\r\nghi|j"},
        {"up on the first row stays", kMulti, u"a|b\r\ncd", {key(VK_UP)}, u"a|b\r\ncd"},
        {"shift down extends", kMulti, u"a|b\r\ncd", {key(VK_DOWN, kShift)}, u"a^b\r\nc|d"},
        {"page down moves three rows",
         kMulti,
         u"|a\r\nb\r\nc\r\nd\r\ne",
         {key(VK_NEXT)},
         u"a\r\nb\r\nc\r\n|d\r\ne"},
        {"undo takes back typing", kSingle, u"abc|", {type(u"de"), key('Z', kCtrl)}, u"abc|"},
        {"undo of undo redoes",
         kSingle,
         u"abc|",
         {type(u"de"), key('Z', kCtrl), key('Z', kCtrl)},
         u"abc^de|"},
        {"upper-case style", kSingle | ES_UPPERCASE, u"|", {type(u"abC\u00e9")}, u"ABC\u00c9|"},
        {"lower-case style", kSingle | ES_LOWERCASE, u"|", {type(u"ABc")}, u"abc|"},
        {"copy and paste",
         kSingle,
         u"^abc|",
         {key('C', kCtrl), key(VK_END), key('V', kCtrl)},
         u"abcabc|"},
        {"cut", kSingle, u"a^bc|d", {key('X', kCtrl), key(VK_END), key('V', kCtrl)}, u"adbc|"},
        {"shift delete cuts, shift insert pastes",
         kSingle,
         u"^ab|cd",
         {key(VK_DELETE, kShift), key(VK_END), key(VK_INSERT, kShift)},
         u"cdab|"},
        {"ctrl insert copies",
         kSingle,
         u"^x|y",
         {key(VK_INSERT, kCtrl), key(VK_END), key(VK_INSERT, kShift)},
         u"xyx|"},
        {"single-line paste stops at the line break",
         kSingle,
         u"|",
         {type(u"ab\r\ncd"), key('A', kCtrl), key('C', kCtrl), key(VK_DELETE), key('V', kCtrl)},
         u"abcd|"},
    };
    for (const Case& c : cases) {
        clearClipboard();
        const MarkedState before = parseMarked(c.before);
        auto box = makeBox(c.style, nullptr, before.text);
        box->setSelStart(std::min(before.anchor, before.caret));
        box->setSelLength(std::abs(before.caret - before.anchor));
        if (before.caret < before.anchor) {  // a backward selection: extend from the anchor
            box->setSelStart(before.anchor);
            for (int i = 0; i < before.anchor - before.caret; ++i)
                box->pressKey(VK_LEFT, kShift);
        }
        play(*box, c.inputs);
        const MarkedState after = parseMarked(c.after);
        EXPECT_EQ(box->text(), after.text) << c.name;
        EXPECT_EQ(box->selStart(), std::min(after.anchor, after.caret)) << c.name;
        EXPECT_EQ(box->selLength(), std::abs(after.caret - after.anchor)) << c.name;
    }
}

TEST_F(HostEditBoxKeysTest, MaxLengthLimitsTypingAndPasteButNotTheProgram) {
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

TEST_F(HostEditBoxKeysTest, LockedRefusesEveryUserEditButNotTheProgram) {
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

TEST_F(HostEditBoxKeysTest, PasswordMasksTheDisplayAndKeepsTheTextFromTheClipboard) {
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
TEST_F(HostEditBoxKeysTest, SingleLineWithoutScrollingStopsAtItsWidth) {
    auto fixed = makeBox(0);
    fixed->typeText(u"0123456789ABC");
    EXPECT_EQ(fixed->text(), u"0123456789");
    auto scrolling = makeBox(ES_AUTOHSCROLL);
    scrolling->typeText(u"0123456789ABC");
    EXPECT_EQ(scrolling->text(), u"0123456789ABC");
}

}  // namespace
}  // namespace quelta
