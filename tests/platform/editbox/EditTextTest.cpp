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

TEST(EditTextTest, ReplacingTheSelectionReportsTheChange) {
    EditText text;
    text.setText(u"hello world");
    text.select(6, 11);
    const EditChange change = text.replaceSelection(u"there", Kind::Edit);
    EXPECT_EQ(text.text(), u"hello there");
    EXPECT_EQ(std::tuple(change.position, change.removed, change.inserted), std::tuple(6, 5, 5));
    EXPECT_EQ(std::pair(text.caret(), text.selectionLength()), std::pair(11, 0));
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
