#include "platform/editbox/EditKeyCommand.h"

namespace quelta {
namespace {

constexpr bool has(std::int16_t shift, std::int16_t mask) {
    return (shift & mask) != 0;
}

EditAction move(EditCommand command, std::int16_t shift) {
    return EditAction{command, has(shift, kShiftMask)};
}

EditAction navigation(std::int16_t keyCode, std::int16_t shift, bool multiLine) {
    const bool ctrl = has(shift, kCtrlMask);
    switch (keyCode) {
        case VK_LEFT:
            return move(ctrl ? EditCommand::MoveWordLeft : EditCommand::MoveLeft, shift);
        case VK_RIGHT:
            return move(ctrl ? EditCommand::MoveWordRight : EditCommand::MoveRight, shift);
        case VK_UP:
            return move(multiLine ? EditCommand::MoveUp : EditCommand::MoveLeft, shift);
        case VK_DOWN:
            return move(multiLine ? EditCommand::MoveDown : EditCommand::MoveRight, shift);
        case VK_PRIOR:
            return multiLine ? move(EditCommand::MovePageUp, shift) : EditAction{};
        case VK_NEXT:
            return multiLine ? move(EditCommand::MovePageDown, shift) : EditAction{};
        case VK_HOME:
            return move(ctrl || !multiLine ? EditCommand::MoveTextStart : EditCommand::MoveRowStart,
                        shift);
        case VK_END:
            return move(ctrl || !multiLine ? EditCommand::MoveTextEnd : EditCommand::MoveRowEnd,
                        shift);
        default:
            return EditAction{};
    }
}

}  // namespace

EditAction commandForKey(std::int16_t keyCode, std::int16_t shift, bool multiLine) {
    if (has(shift, kAltMask)) return EditAction{};
    const bool ctrl = has(shift, kCtrlMask);
    const bool shifted = has(shift, kShiftMask);
    if (keyCode == VK_DELETE) {
        if (shifted && !ctrl) return EditAction{EditCommand::Cut};
        return EditAction{ctrl ? EditCommand::DeleteWordForward : EditCommand::DeleteForward};
    }
    if (keyCode == VK_INSERT) {
        if (shifted && !ctrl) return EditAction{EditCommand::Paste};
        if (ctrl && !shifted) return EditAction{EditCommand::Copy};
        return EditAction{};
    }
    return navigation(keyCode, shift, multiLine);
}

EditAction commandForCharacter(char16_t character, bool multiLine) {
    switch (character) {
        case 1:  // Ctrl+A
            return EditAction{EditCommand::SelectAll};
        case 3:  // Ctrl+C
            return EditAction{EditCommand::Copy};
        case 8:
            return EditAction{EditCommand::DeleteBackward};
        case 9:
            return multiLine ? EditAction{EditCommand::InsertCharacter} : EditAction{};
        case 10:
        case 13:
            return multiLine ? EditAction{EditCommand::InsertLineBreak} : EditAction{};
        case 22:  // Ctrl+V
            return EditAction{EditCommand::Paste};
        case 24:  // Ctrl+X
            return EditAction{EditCommand::Cut};
        case 26:  // Ctrl+Z
            return EditAction{EditCommand::Undo};
        case 127:  // Ctrl+Backspace
            return EditAction{EditCommand::DeleteWordBackward};
        default:
            if (character < 32) return EditAction{};
            return EditAction{EditCommand::InsertCharacter};
    }
}

}  // namespace quelta
