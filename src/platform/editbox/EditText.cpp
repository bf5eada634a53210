#include "platform/editbox/EditText.h"

#include <algorithm>

namespace quelta {

String EditText::selectedText() const {
    return text_.substr(static_cast<std::size_t>(selectionStart()),
                        static_cast<std::size_t>(selectionLength()));
}

EditChange EditText::setText(String text) {
    EditChange change{0, size(), static_cast<std::int32_t>(text.size())};
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    undo_ = UndoStep{};
    return change;
}

void EditText::select(std::int64_t anchor, std::int64_t caret) {
    anchor_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(anchor, 0, size()));
    caret_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(caret, 0, size()));
}

void EditText::moveCaret(std::int64_t position, bool extend) {
    select(extend ? anchor_ : position, position);
}

EditChange EditText::replaceRange(std::int32_t position, std::int32_t length,
                                  StringView insertion) {
    text_.replace(static_cast<std::size_t>(position), static_cast<std::size_t>(length), insertion);
    return EditChange{position, length, static_cast<std::int32_t>(insertion.size())};
}

void EditText::recordUndo(std::int32_t position, StringView removed, std::int32_t inserted,
                          UndoKind kind) {
    if (kind == UndoKind::NotUndoable) {
        undo_ = UndoStep{};
        return;
    }
    const bool continuesTyping = kind == UndoKind::Typing && undo_.valid && undo_.typing &&
                                 removed.empty() &&
                                 position == undo_.position + undo_.insertedLength;
    if (continuesTyping) {
        undo_.insertedLength += inserted;
        return;
    }
    undo_ = UndoStep{true, kind == UndoKind::Typing, position, inserted, String(removed)};
}

EditChange EditText::replaceSelection(StringView insertion, UndoKind kind) {
    const std::int32_t start = selectionStart();
    const std::int32_t length = selectionLength();
    if (length == 0 && insertion.empty()) return EditChange{start, 0, 0};
    recordUndo(start, StringView(text_).substr(start, length),
               static_cast<std::int32_t>(insertion.size()), kind);
    EditChange change = replaceRange(start, length, insertion);
    anchor_ = caret_ = start + change.inserted;
    return change;
}

EditChange EditText::undo() {
    if (!undo_.valid) return EditChange{caret_, 0, 0};
    const std::int32_t position = undo_.position;
    String taken = text_.substr(static_cast<std::size_t>(position),
                                static_cast<std::size_t>(undo_.insertedLength));
    EditChange change = replaceRange(position, undo_.insertedLength, undo_.removedText);
    anchor_ = position;
    caret_ = position + change.inserted;
    // The swapped step undoes the undo.
    undo_ = UndoStep{true, false, position, change.inserted, std::move(taken)};
    return change;
}

}  // namespace quelta
