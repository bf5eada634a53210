#pragma once
// What an edit box does with a key: a pure mapping from the key (or the character it
// produced) and the modifier state to one editing command. Navigation, Delete and the
// Shift/Ctrl+Insert/Delete clipboard keys act when the key goes down; Backspace, Enter and
// the Ctrl+letter shortcuts act on the character they produce, so that an owner that
// cancels the character in its KeyPress handler cancels them too, as on the platform.

#include <cstdint>

namespace quelta {

// Virtual-key codes the edit box knows.
inline constexpr std::int16_t kKeyBack = 8;
inline constexpr std::int16_t kKeyTab = 9;
inline constexpr std::int16_t kKeyReturn = 13;
inline constexpr std::int16_t kKeyEscape = 27;
inline constexpr std::int16_t kKeySpace = 32;
inline constexpr std::int16_t kKeyPageUp = 33;
inline constexpr std::int16_t kKeyPageDown = 34;
inline constexpr std::int16_t kKeyEnd = 35;
inline constexpr std::int16_t kKeyHome = 36;
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;
inline constexpr std::int16_t kKeyInsert = 45;
inline constexpr std::int16_t kKeyDelete = 46;

// Modifier bits of the Shift argument.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

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

// The key (and Shift state) that types a character on the standard layout, for hosts that
// replay text as keystrokes; keyCode 0 when no key produces it (it then arrives as a
// character alone).
struct KeyStroke {
    std::int16_t keyCode = 0;
    std::int16_t shift = 0;
};
KeyStroke keyForCharacter(char16_t character);

// The character a key produces when it goes down, 0 when none: Enter gives CR (LF with
// Ctrl), Backspace 8 (127 with Ctrl), Tab, Escape, Ctrl+letter the control code, and the
// printable keys their character on the standard layout.
char16_t characterForKey(std::int16_t keyCode, std::int16_t shift);

}  // namespace quelta
