#include <gtest/gtest.h>

#include <vector>

#include "platform/editbox/EditBox.h"
#include "platform/editbox/EditBoxTestSupport.h"
#include "platform/window/Clipboard.h"
#include "platform/window/SendKeys.h"

namespace quelta {
namespace {

using testing::FixedMeasurerScope;
using testing::makeBox;

constexpr std::int16_t kShift = kShiftMask;
constexpr std::uint32_t kSingle = ES_AUTOHSCROLL;
constexpr std::uint32_t kMulti = ES_MULTILINE | ES_AUTOHSCROLL;

// Delivers keys written as for keystroke sending ("^+{LEFT}", "ab{BS}"), as the host
// delivers queued keys.
void play(EditBox& box, StringView keys) {
    for (const KeyInput& input : parseKeys(keys))
        box.deliver(input);
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
class EditBoxKeysTest : public ::testing::Test {
protected:
    FixedMeasurerScope measurer;
};

// Keys in, text and selection out.
TEST_F(EditBoxKeysTest, KeyTable) {
    struct Case {
        const char* name;
        std::uint32_t style;
        const char16_t *before, *keys, *after;
    };
    const Case cases[] = {
        {"typing inserts at the caret", kSingle, u"a|c", u"b", u"ab|c"},
        {"typing replaces the selection", kSingle, u"^hello|", u"bye", u"bye|"},
        {"backspace", kSingle, u"abc|", u"{BS}", u"ab|"},
        {"backspace at the start", kSingle, u"|abc", u"{BS}", u"|abc"},
        {"backspace deletes the selection", kSingle, u"a^bc|d", u"{BS}", u"a|d"},
        {"delete", kSingle, u"|abc", u"{DEL}", u"|bc"},
        {"delete at the end", kSingle, u"abc|", u"{DEL}", u"abc|"},
        {"ctrl backspace deletes a word", kSingle, u"one two|", u"^{BS}", u"one |"},
        {"ctrl delete deletes a word", kSingle, u"|one two", u"^{DEL}", u"|two"},
        {"shift left extends", kSingle, u"abc|", u"+{LEFT 2}", u"a|bc^"},
        {"left collapses a selection", kSingle, u"a^bc|d", u"{LEFT}", u"a|bcd"},
        {"right collapses a selection", kSingle, u"a|bc^d", u"{RIGHT}", u"abc|d"},
        {"ctrl shift right selects a word", kSingle, u"|one two", u"^+{RIGHT}", u"^one |two"},
        {"ctrl left", kSingle, u"one tw|o", u"^{LEFT}", u"one |two"},
        {"shift home single-line", kSingle, u"ab|c", u"+{HOME}", u"|ab^c"},
        {"up in a single-line box is left", kSingle, u"ab|c", u"{UP}", u"a|bc"},
        {"ctrl a selects all", kSingle, u"a|bc", u"^a", u"^abc|"},
        {"enter in a multi-line box", kMulti, u"a|b", u"~", u"a\r\n|b"},
        {"enter in a single-line box", kSingle, u"a|b", u"~", u"a|b"},
        {"tab in a multi-line box", kMulti, u"a|b", u"{TAB}", u"a\t|b"},
        {"left steps over CR LF", kMulti, u"a\r\n|b", u"{LEFT}", u"a|\r\nb"},
        {"backspace removes a whole CR LF", kMulti, u"a\r\n|b", u"{BS}", u"a|b"},
        {"home is the row start", kMulti, u"ab\r\nc|d", u"{HOME}", u"ab\r\n|cd"},
        {"end is before the CR LF", kMulti, u"|ab\r\ncd", u"{END}", u"ab|\r\ncd"},
        {"ctrl end", kMulti, u"|ab\r\ncd", u"^{END}", u"ab\r\ncd|"},
        {"down keeps the column", kMulti, u"abc|d\r\nef\r\nghij", u"{DOWN}",
         u"abcd\r\nef|\r\nghij"},
        {"down twice returns to it", kMulti, u"abc|d\r\nef\r\nghij", u"{DOWN 2}",
         u"abcd\r\nef\r\nghi|j"},
        {"up on the first row stays", kMulti, u"a|b\r\ncd", u"{UP}", u"a|b\r\ncd"},
        {"page down moves three rows", kMulti, u"|a\r\nb\r\nc\r\nd\r\ne", u"{PGDN}",
         u"a\r\nb\r\nc\r\n|d\r\ne"},
        {"undo takes back typing", kSingle, u"abc|", u"de^z", u"abc|"},
        {"undo of undo redoes", kSingle, u"abc|", u"de^z^z", u"abc^de|"},
        {"undo restores deleted text selected", kSingle, u"one ^two |three", u"{DEL}^z",
         u"one ^two |three"},
        {"typing elsewhere is a new undo step", kSingle, u"ab|", u"c{HOME}z^z", u"|abc"},
        {"upper-case style", kSingle | ES_UPPERCASE, u"|", u"abC\u00e9", u"ABC\u00c9|"},
        {"lower-case style", kSingle | ES_LOWERCASE, u"|", u"ABc", u"abc|"},
        {"copy and paste", kSingle, u"^abc|", u"^c{END}^v", u"abcabc|"},
        {"cut and paste", kSingle, u"a^bc|d", u"^x{END}^v", u"adbc|"},
        {"shift delete cuts, shift insert pastes", kSingle, u"^ab|cd", u"+{DEL}{END}+{INS}",
         u"cdab|"},
        {"ctrl insert copies", kSingle, u"^x|y", u"^{INS}{END}+{INS}", u"xyx|"},
        {"single-line paste stops at the line break", kSingle, u"^a\r\nb|", u"^c^v", u"a|"},
        {"without scrolling a box holds what fits", 0, u"|", u"0123456789ABC", u"0123456789|"},
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
        play(*box, c.keys);
        const MarkedState after = parseMarked(c.after);
        EXPECT_EQ(box->text(), after.text) << c.name;
        EXPECT_EQ(box->selStart(), std::min(after.anchor, after.caret)) << c.name;
        EXPECT_EQ(box->selLength(), std::abs(after.caret - after.anchor)) << c.name;
    }
}

TEST_F(EditBoxKeysTest, MaxLengthLimitsTypingAndPasteButNotTheProgram) {
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
    play(*box, u"^v");
    EXPECT_EQ(box->text(), u"a1Yd");
    box->setText(u"much longer than four");
    EXPECT_EQ(box->text(), u"much longer than four");
    box->setMaxLength(0);
    play(*box, u"{END}");
    box->typeText(u"!");
    EXPECT_EQ(box->text(), u"much longer than four!");
}

TEST_F(EditBoxKeysTest, LockedRefusesEveryUserEditButNotTheProgram) {
    setClipboardText(u"pasted");
    auto box = makeBox(kMulti, nullptr, u"text");
    box->setSelStart(4);
    box->typeText(u"!");  // an undo step from before locking
    box->setLocked(kTrue);
    box->setSelStart(2);
    for (const char16_t* edit :
         {u"x", u"{BS}", u"{DEL}", u"^v", u"^x", u"^z", u"~", u"+{DEL}", u"+{INS}"}) {
        play(*box, edit);
        EXPECT_EQ(box->text(), u"text!") << toUtf8(edit);
    }
    EXPECT_EQ(box->dataChanged(), kTrue);  // from the edit before locking only
    play(*box, u"^a^c");
    EXPECT_EQ(clipboardText(), u"text!");
    box->setSelText(u"by program");
    EXPECT_EQ(box->text(), u"by program");
    box->setText(u"again");
    EXPECT_EQ(box->text(), u"again");
}

TEST_F(EditBoxKeysTest, PasswordMasksTheDisplayAndKeepsTheTextFromTheClipboard) {
    setClipboardText(u"before");
    auto box = makeBox(kSingle, nullptr, u"secret");
    box->setPasswordChar(u"*");
    EXPECT_EQ(box->displayText(), u"******");
    play(*box, u"^a^c^x");
    EXPECT_EQ(clipboardText(), u"before");
    EXPECT_EQ(box->text(), u"secret");
    box->setPasswordChar(u"");
    EXPECT_EQ(box->displayText(), u"secret");
    // A multi-line box shows its text whatever the password character.
    auto multi = makeBox(kMulti, nullptr, u"open");
    multi->setPasswordChar(u"#");
    EXPECT_EQ(multi->displayText(), u"open");
}

}  // namespace
}  // namespace quelta
