#include "terminal/TextEntry.h"

#include "platform/editbox/TextBoundaries.h"
#include "platform/window/Clipboard.h"

namespace quelta::terminal {
namespace {

bool movesTheDialog(std::uint16_t keyCode) {
    return keyCode == VK_TAB || keyCode == VK_UP || keyCode == VK_DOWN || keyCode == VK_PRIOR ||
           keyCode == VK_NEXT;
}

// The start and end of the line that holds `position`; a line ends before its CR LF.
std::int32_t lineStart(StringView text, std::int32_t position) {
    if (position == 0) return 0;
    const std::size_t before = text.find_last_of(u"\r\n", static_cast<std::size_t>(position) - 1);
    return before == StringView::npos ? 0 : static_cast<std::int32_t>(before + 1);
}

std::int32_t lineEnd(StringView text, std::int32_t position) {
    const std::size_t end = text.find_first_of(u"\r\n", static_cast<std::size_t>(position));
    return end == StringView::npos ? static_cast<std::int32_t>(text.size())
                                   : static_cast<std::int32_t>(end);
}

}  // namespace

TextEntry::TextEntry(String text, bool multiLine) : multiLine_(multiLine) {
    text_.setText(std::move(text));
    text_.moveCaret(text_.size(), false);
}

bool TextEntry::press(const PressedKey& key) {
    if (movesTheDialog(key.keyCode)) return false;
    const auto keyCode = static_cast<std::int16_t>(key.keyCode);
    if (const EditAction action = commandForKey(keyCode, key.shift, multiLine_);
        action.command != EditCommand::None) {
        run(action, 0);
        return true;
    }
    if (key.character == 0) return false;
    // A character above U+FFFF is no command: it is typed.
    const EditAction action =
        key.character > 0xFFFF
            ? EditAction{EditCommand::InsertCharacter}
            : commandForCharacter(static_cast<char16_t>(key.character), multiLine_);
    if (action.command == EditCommand::None) return false;
    run(action, key.character);
    return true;
}

void TextEntry::run(EditAction action, char32_t character) {
    const String& text = text_.text();
    const std::int32_t caret = text_.caret();
    const bool selected = text_.selectionLength() > 0;
    const std::int32_t from = text_.selectionStart();
    const std::int32_t to = text_.selectionEnd();
    using Command = EditCommand;
    switch (action.command) {
        case Command::DeleteForward:
            return selected ? erase(from, to) : erase(caret, nextCaretStop(text, caret));
        case Command::DeleteWordForward:
            return selected ? erase(from, to) : erase(caret, nextWordStart(text, caret));
        case Command::DeleteBackward:
            return selected ? erase(from, to) : erase(previousCaretStop(text, caret), caret);
        case Command::DeleteWordBackward:
            return selected ? erase(from, to) : erase(previousWordStart(text, caret), caret);
        case Command::Copy:
            if (selected) setClipboardText(text_.selectedText());
            return;
        case Command::Cut:
            if (!selected) return;
            setClipboardText(text_.selectedText());
            return erase(from, to);
        case Command::Paste:
            text_.replaceSelection(clipboardText(), EditText::UndoKind::Edit);
            return;
        case Command::Undo:
            text_.undo();
            return;
        case Command::SelectAll:
            text_.select(0, text_.size());
            return;
        case Command::InsertLineBreak:
            text_.replaceSelection(u"\r\n", EditText::UndoKind::Typing);
            return;
        case Command::InsertCharacter:
            text_.replaceSelection(codePointText(character), EditText::UndoKind::Typing);
            return;
        default:
            return move(action);
    }
}

// Left and Right without Shift first collapse a selection to its side, as in the box.
void TextEntry::move(EditAction action) {
    const String& text = text_.text();
    const std::int32_t caret = text_.caret();
    const bool collapse = !action.extendSelection && text_.selectionLength() > 0;
    std::int32_t target = caret;
    switch (action.command) {
        case EditCommand::MoveLeft:
            target = collapse ? text_.selectionStart() : previousCaretStop(text, caret);
            break;
        case EditCommand::MoveRight:
            target = collapse ? text_.selectionEnd() : nextCaretStop(text, caret);
            break;
        case EditCommand::MoveWordLeft:
            target = previousWordStart(text, caret);
            break;
        case EditCommand::MoveWordRight:
            target = nextWordStart(text, caret);
            break;
        case EditCommand::MoveRowStart:
            target = lineStart(text, caret);
            break;
        case EditCommand::MoveRowEnd:
            target = lineEnd(text, caret);
            break;
        case EditCommand::MoveTextStart:
            target = 0;
            break;
        case EditCommand::MoveTextEnd:
            target = text_.size();
            break;
        default:
            break;
    }
    text_.moveCaret(target, action.extendSelection);
}

void TextEntry::erase(std::int32_t from, std::int32_t to) {
    if (to <= from) return;
    text_.select(from, to);
    text_.replaceSelection(u"", EditText::UndoKind::Edit);
}

}  // namespace quelta::terminal
