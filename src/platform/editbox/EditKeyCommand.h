#pragma once
// What an edit box does with a key: a pure mapping from the key (or the character it
// produced) and the modifier state to one editing command. Navigation, Delete and the
// Shift/Ctrl+Insert/Delete clipboard keys act when the key goes down; Backspace, Enter and
// the Ctrl+letter shortcuts act on the character they produce, so that an owner that
// cancels the character in its KeyPress handler cancels them too, as on the platform.

#include <cstdint>

#include "platform/window/VirtualKeys.h"

namespace quelta {

enum class EditCommand {
    None,
    MoveLeft,
    MoveRight,
    MoveWordLeft,
    MoveWordRight,
    MoveUp,
    MoveDown,
    MovePageUp,
    MovePageDown,
    MoveRowStart,
    MoveRowEnd,
    MoveTextStart,
    MoveTextEnd,
    DeleteForward,
    DeleteWordForward,
    DeleteBackward,
    DeleteWordBackward,
    Copy,
    Cut,
    Paste,
    Undo,
    SelectAll,
    InsertLineBreak,
    InsertCharacter,
};

struct EditAction {
    EditCommand command = EditCommand::None;
    bool extendSelection = false;  // Shift held with a movement
    friend bool operator==(EditAction, EditAction) = default;
};

// The command of a key going down. A single-line box has no rows: Up and Down move like
// Left and Right, Page Up and Page Down do nothing, Home and End reach the ends of the text.
EditAction commandForKey(std::int16_t keyCode, std::int16_t shift, bool multiLine);

// The command of a character the box received. Control characters other than the known
// shortcuts insert nothing; a line break (CR or LF) inserts CR LF in a multi-line box only,
// a tab inserts itself in a multi-line box only.
EditAction commandForCharacter(char16_t character, bool multiLine);

}  // namespace quelta
