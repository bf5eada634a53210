#pragma once
// The text of an edit box with its caret, selection and one-level undo. Pure: no window,
// no layout, no notifications. Positions count UTF-16 code units and are always kept
// within 0..size().

#include <cstdint>

#include "platform/String.h"

namespace quelta {

// One replacement of a range: what a layout needs to update itself incrementally.
struct EditChange {
    std::int32_t position = 0;
    std::int32_t removed = 0;   // code units removed at position
    std::int32_t inserted = 0;  // code units inserted in their place
};

class EditText {
public:
    const String& text() const { return text_; }
    std::int32_t size() const { return static_cast<std::int32_t>(text_.size()); }

    // The selection runs between the anchor (where it began) and the caret (where it ends
    // and where the caret blinks); either may be the smaller.
    std::int32_t anchor() const { return anchor_; }
    std::int32_t caret() const { return caret_; }
    std::int32_t selectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::int32_t selectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    std::int32_t selectionLength() const { return selectionEnd() - selectionStart(); }
    String selectedText() const;

    // Replaces everything; the caret goes to the start and the undo step is forgotten.
    EditChange setText(String text);

    // Positions outside the text are clamped to it.
    void select(std::int64_t anchor, std::int64_t caret);
    void moveCaret(std::int64_t position, bool extend);

    // Replaces the selection with the text and leaves the caret behind it. Consecutive
    // undoable typing at the caret joins one undo step, as the platform's edit box does.
    enum class UndoKind { Typing, Edit, NotUndoable };
    EditChange replaceSelection(StringView insertion, UndoKind kind);

    bool canUndo() const { return undo_.valid; }
    // Reverts the last undoable edit and selects what it brought back. Undoing twice
    // restores the edit, since the step is swapped, not dropped.
    EditChange undo();

private:
    struct UndoStep {
        bool valid = false;
        bool typing = false;
        std::int32_t position = 0;
        std::int32_t insertedLength = 0;  // what the edit put at position
        String removedText;               // what it took away
    };

    EditChange replaceRange(std::int32_t position, std::int32_t length, StringView insertion);
    void recordUndo(std::int32_t position, StringView removed, std::int32_t inserted,
                    UndoKind kind);

    String text_;
    std::int32_t anchor_ = 0;
    std::int32_t caret_ = 0;
    UndoStep undo_;
};

}  // namespace quelta
