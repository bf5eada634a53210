#pragma once
// The text a person edits in a box of the designer's dialogs and prompts, kept in the
// platform's edit text and edited by the platform's key commands, so that it behaves as an
// edit box on a form does: a caret, Left/Right/Home/End and Ctrl+Left/Right, selection with
// Shift, Delete and Backspace of one character (a character above U+FFFF and a line break
// go whole), Ctrl+A, Ctrl+Z and the clipboard keys.
//
// The keys a dialog moves with are not the entry's: Tab, Up, Down, Page Up and Page Down,
// and Enter in a single-line entry. Pure: no window, no drawing.

#include <cstdint>

#include "platform/editbox/EditKeyCommand.h"
#include "platform/editbox/EditText.h"
#include "terminal/CursesKeys.h"

namespace quelta::terminal {

class TextEntry {
public:
    TextEntry() = default;
    // The caret goes after the text, where a person goes on typing.
    TextEntry(String text, bool multiLine);

    const String& text() const { return text_.text(); }
    std::int32_t caret() const { return text_.caret(); }
    std::int32_t selectionStart() const { return text_.selectionStart(); }
    std::int32_t selectionEnd() const { return text_.selectionEnd(); }

    // Edits or moves as the key says; false for a key that is not the entry's.
    bool press(const PressedKey& key);

private:
    void run(EditAction action, char32_t character);
    void move(EditAction action);
    void erase(std::int32_t from, std::int32_t to);

    EditText text_;
    bool multiLine_ = false;
};

}  // namespace quelta::terminal
