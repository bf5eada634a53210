#include <gtest/gtest.h>

#include <tuple>

#include "platform/String.h"
#include "platform/editbox/EditText.h"

namespace quelta {
namespace {

using Kind = EditText::UndoKind;

void type(EditText& text, StringView characters) {
    for (char16_t c : characters)
        text.replaceSelection(StringView(&c, 1), Kind::Typing);
}

TEST(EditTextTest, SelectionIsClampedToTheText) {
    struct Case {
        std::int64_t anchor, caret;
        std::int32_t start, length;
    };
    for (Case c : {Case{4, 2, 2, 2}, {-5, 3, 0, 3}, {3, 1LL << 40, 3, 2}, {99, 99, 5, 0}}) {
        EditText text;
        text.setText(u"hello");
        text.select(c.anchor, c.caret);
        EXPECT_EQ(text.selectionStart(), c.start) << c.anchor << "," << c.caret;
        EXPECT_EQ(text.selectionLength(), c.length) << c.anchor << "," << c.caret;
    }
}

TEST(EditTextTest, ReplacingTheSelectionReportsTheChange) {
    EditText text;
    text.setText(u"hello world");
    text.select(6, 11);
    const EditChange change = text.replaceSelection(u"there", Kind::Edit);
    EXPECT_EQ(text.text(), u"hello there");
    EXPECT_EQ(std::tuple(change.position, change.removed, change.inserted), std::tuple(6, 5, 5));
    EXPECT_EQ(std::pair(text.caret(), text.selectionLength()), std::pair(11, 0));
}

TEST(EditTextTest, UndoRestoresDeletedTextSelected) {
    EditText text;
    text.setText(u"one two three");
    text.select(4, 8);
    text.replaceSelection(u"", Kind::Edit);
    EXPECT_EQ(text.text(), u"one three");
    text.undo();
    EXPECT_EQ(text.text(), u"one two three");
    EXPECT_EQ(text.selectedText(), u"two ");
}

// Typing elsewhere, or an edit between, starts a new step.
TEST(EditTextTest, TypingAfterMovingTheCaretIsANewUndoStep) {
    EditText text;
    text.setText(u"ab");
    text.select(2, 2);
    type(text, u"c");
    text.select(0, 0);
    type(text, u"z");
    text.undo();
    EXPECT_EQ(text.text(), u"abc");
}

TEST(EditTextTest, SetTextForgetsTheUndoStepAndMovesTheCaretHome) {
    EditText text;
    text.setText(u"abc");
    text.select(3, 3);
    type(text, u"d");
    text.setText(u"new");
    EXPECT_FALSE(text.canUndo());
    EXPECT_EQ(text.caret(), 0);
    text.undo();
    EXPECT_EQ(text.text(), u"new");
}

}  // namespace
}  // namespace quelta
