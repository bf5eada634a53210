#include "terminal/CursesKeys.h"

#include <curses.h>

#include <array>

#include "platform/String.h"
#include "platform/window/KeyboardLayout.h"
#include "platform/window/VirtualKeys.h"

namespace quelta::terminal {
namespace {

// A key ncurses reports by its code, or (code 0) one it knows only by its terminfo name,
// where the digit says the modifiers: 2 Shift, 5 Ctrl, 6 Ctrl+Shift.
struct CursesKey {
    int code;
    std::string_view name;
    std::uint16_t keyCode;
    std::int16_t shift;
};

constexpr std::int16_t kCtrlShift = kCtrlMask | kShiftMask;

constexpr std::array kCursesKeys = {
    CursesKey{KEY_LEFT, {}, VK_LEFT, 0},
    CursesKey{KEY_RIGHT, {}, VK_RIGHT, 0},
    CursesKey{KEY_UP, {}, VK_UP, 0},
    CursesKey{KEY_DOWN, {}, VK_DOWN, 0},
    CursesKey{KEY_HOME, {}, VK_HOME, 0},
    CursesKey{KEY_END, {}, VK_END, 0},
    CursesKey{KEY_PPAGE, {}, VK_PRIOR, 0},
    CursesKey{KEY_NPAGE, {}, VK_NEXT, 0},
    CursesKey{KEY_BACKSPACE, {}, VK_BACK, 0},
    CursesKey{KEY_DC, {}, VK_DELETE, 0},
    CursesKey{KEY_IC, {}, VK_INSERT, 0},
    CursesKey{KEY_ENTER, {}, VK_RETURN, 0},
    CursesKey{KEY_BTAB, {}, VK_TAB, kShiftMask},
    CursesKey{KEY_SLEFT, {}, VK_LEFT, kShiftMask},
    CursesKey{KEY_SRIGHT, {}, VK_RIGHT, kShiftMask},
    CursesKey{KEY_SR, {}, VK_UP, kShiftMask},
    CursesKey{KEY_SF, {}, VK_DOWN, kShiftMask},
    CursesKey{KEY_SHOME, {}, VK_HOME, kShiftMask},
    CursesKey{KEY_SEND, {}, VK_END, kShiftMask},
    CursesKey{KEY_SDC, {}, VK_DELETE, kShiftMask},
    CursesKey{KEY_SIC, {}, VK_INSERT, kShiftMask},
    CursesKey{0, "kUP2", VK_UP, kShiftMask},
    CursesKey{0, "kDN2", VK_DOWN, kShiftMask},
    CursesKey{0, "kLFT5", VK_LEFT, kCtrlMask},
    CursesKey{0, "kRIT5", VK_RIGHT, kCtrlMask},
    CursesKey{0, "kLFT6", VK_LEFT, kCtrlShift},
    CursesKey{0, "kRIT6", VK_RIGHT, kCtrlShift},
    CursesKey{0, "kHOM5", VK_HOME, kCtrlMask},
    CursesKey{0, "kEND5", VK_END, kCtrlMask},
    CursesKey{0, "kHOM6", VK_HOME, kCtrlShift},
    CursesKey{0, "kEND6", VK_END, kCtrlShift},
    CursesKey{0, "kDC5", VK_DELETE, kCtrlMask},
    CursesKey{0, "kIC5", VK_INSERT, kCtrlMask},
};

constexpr int kFunctionKeys = 24;

// A key the platform's keyboard has, with the character it types with that shift state.
PressedKey keyOf(std::uint16_t keyCode, std::int16_t shift) {
    const std::optional<char16_t> typed = characterForKey(keyCode, shift);
    return {keyCode, shift, typed.value_or(0)};
}

std::optional<PressedKey> keyOfCode(std::uint32_t code, std::string_view keyName) {
    const int key = static_cast<int>(code);
    if (key >= KEY_F(1) && key < KEY_F(1) + kFunctionKeys)
        return keyOf(static_cast<std::uint16_t>(VK_F1 + (key - KEY_F(1))), 0);
    for (const CursesKey& known : kCursesKeys) {
        if (known.code != 0 ? known.code == key : known.name == keyName)
            return keyOf(known.keyCode, known.shift);
    }
    return std::nullopt;
}

}  // namespace

std::optional<PressedKey> typedKey(char32_t character) {
    // Terminals send CR or LF for Return and BS or DEL for Backspace.
    if (character == U'\r' || character == U'\n') return keyOf(VK_RETURN, 0);
    if (character == 0x08 || character == 0x7F) return keyOf(VK_BACK, 0);
    if (character == 0 || (character >= 0x80 && character < 0xA0) || character > 0x10FFFF ||
        (character >= 0xD800 && character < 0xE000)) {
        return std::nullopt;
    }
    if (character <= 0xFFFF) {
        if (const auto key = keyForCharacter(static_cast<char16_t>(character)))
            return PressedKey{key->keyCode, key->shift, character};
    }
    if (character < 0x20) return std::nullopt;  // a control character without a key
    return PressedKey{VK_PACKET, 0, character};
}

CursesInput cursesInput(bool isKeyCode, std::uint32_t code, std::string_view keyName) {
    using Kind = CursesInput::Kind;
    if (isKeyCode && static_cast<int>(code) == KEY_RESIZE) return {Kind::Resize, {}};
    if (isKeyCode && static_cast<int>(code) == KEY_MOUSE) return {Kind::Mouse, {}};
    const std::optional<PressedKey> key =
        isKeyCode ? keyOfCode(code, keyName) : typedKey(static_cast<char32_t>(code));
    return key ? CursesInput{Kind::Key, *key} : CursesInput{};
}

std::vector<KeyInput> keyInputsOf(const PressedKey& key) {
    std::vector<KeyInput> inputs{{KeyInput::Kind::KeyDown, key.keyCode, 0, key.shift}};
    if (key.character != 0) {
        for (const char16_t unit : codePointText(key.character))
            inputs.push_back({KeyInput::Kind::Character, 0, unit, key.shift});
    }
    inputs.push_back({KeyInput::Kind::KeyUp, key.keyCode, 0, key.shift});
    return inputs;
}

}  // namespace quelta::terminal
