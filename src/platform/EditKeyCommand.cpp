#include "platform/EditKeyCommand.h"

#include <array>
#include <string_view>

namespace quelta {
namespace {

constexpr bool has(std::int16_t shift, std::int16_t mask) { return (shift & mask) != 0; }

EditAction move(EditCommand command, std::int16_t shift) {
    return EditAction{command, has(shift, kShiftMask)};
}

EditAction navigation(std::int16_t keyCode, std::int16_t shift, bool multiLine) {
    const bool ctrl = has(shift, kCtrlMask);
    switch (keyCode) {
        case kKeyLeft:
            return move(ctrl ? EditCommand::MoveWordLeft : EditCommand::MoveLeft, shift);
        case kKeyRight:
            return move(ctrl ? EditCommand::MoveWordRight : EditCommand::MoveRight, shift);
        case kKeyUp:
            return move(multiLine ? EditCommand::MoveUp : EditCommand::MoveLeft, shift);
        case kKeyDown:
            return move(multiLine ? EditCommand::MoveDown : EditCommand::MoveRight, shift);
        case kKeyPageUp:
            return multiLine ? move(EditCommand::MovePageUp, shift) : EditAction{};
        case kKeyPageDown:
            return multiLine ? move(EditCommand::MovePageDown, shift) : EditAction{};
        case kKeyHome:
            return move(ctrl || !multiLine ? EditCommand::MoveTextStart : EditCommand::MoveRowStart,
                        shift);
        case kKeyEnd:
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
    if (keyCode == kKeyDelete) {
        if (shifted && !ctrl) return EditAction{EditCommand::Cut};
        return EditAction{ctrl ? EditCommand::DeleteWordForward : EditCommand::DeleteForward};
    }
    if (keyCode == kKeyInsert) {
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

KeyStroke keyForCharacter(char16_t c) {
    if (c >= u'a' && c <= u'z') return {static_cast<std::int16_t>(c - u'a' + 'A'), 0};
    if (c >= u'A' && c <= u'Z') return {static_cast<std::int16_t>(c), kShiftMask};
    if (c >= u'0' && c <= u'9') return {static_cast<std::int16_t>(c), 0};
    if (c == u' ') return {kKeySpace, 0};
    if (c == u'\r' || c == u'\n') return {kKeyReturn, c == u'\n' ? kCtrlMask : std::int16_t{0}};
    if (c == u'\t') return {kKeyTab, 0};
    if (c == u'\b') return {kKeyBack, 0};
    // The punctuation keys of the standard layout, unshifted and shifted, with their codes.
    static constexpr std::u16string_view plain = u";=,-./`[\\]'";
    static constexpr std::u16string_view shifted = u":+<_>?~{|}\"";
    static constexpr std::array<std::int16_t, 11> codes = {186, 187, 188, 189, 190, 191,
                                                          192, 219, 220, 221, 222};
    if (auto at = plain.find(c); at != plain.npos) return {codes[at], 0};
    if (auto at = shifted.find(c); at != shifted.npos) return {codes[at], kShiftMask};
    static constexpr std::u16string_view digitsShifted = u")!@#$%^&*(";
    if (auto at = digitsShifted.find(c); at != digitsShifted.npos)
        return {static_cast<std::int16_t>('0' + at), kShiftMask};
    return {};
}

char16_t characterForKey(std::int16_t keyCode, std::int16_t shift) {
    if (has(shift, kAltMask)) return 0;
    const bool ctrl = has(shift, kCtrlMask);
    switch (keyCode) {
        case kKeyReturn:
            return ctrl ? u'\n' : u'\r';
        case kKeyBack:
            return ctrl ? char16_t{127} : u'\b';
        case kKeyTab:
            return ctrl ? char16_t{0} : u'\t';
        case kKeyEscape:
            return char16_t{27};
        default:
            break;
    }
    if (ctrl) {
        if (keyCode >= 'A' && keyCode <= 'Z') return static_cast<char16_t>(keyCode - 'A' + 1);
        return 0;
    }
    // The printable character of the key on the standard layout.
    for (char16_t c = 32; c < 127; ++c) {
        const KeyStroke stroke = keyForCharacter(c);
        if (stroke.keyCode == keyCode && stroke.shift == (shift & kShiftMask)) return c;
    }
    return 0;
}

}  // namespace quelta
