#pragma once
// What a key read from the terminal is to the platform: ncurses' key codes and the
// characters it reads become the platform's virtual key, shift state and typed character,
// as Qt's key events do in qt/QtKeys.h, so that a key from the terminal reaches a control
// as a key of the platform's keyboard does. One table holds the ncurses codes (and the
// extended keys ncurses knows only by name); characters go through the platform's keyboard
// layout, and one without a key there travels as a packet. Pure, so that it is tested
// without a terminal.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/window/WindowSystem.h"

namespace quelta::terminal {

struct PressedKey {
    std::uint16_t keyCode = 0;  // the platform's virtual key
    std::int16_t shift = 0;     // kShiftMask, kCtrlMask, kAltMask
    char32_t character = 0;     // what the key types; 0 for none
    bool operator==(const PressedKey&) const = default;
};

struct CursesInput {
    enum class Kind { Key, Resize, Mouse, Ignored };
    Kind kind = Kind::Ignored;
    PressedKey key;  // for Key
    bool operator==(const CursesInput&) const = default;
};

// `code` is a character when `isKeyCode` is false, else an ncurses KEY_ code; `keyName`
// is ncurses' name for the code (it tells the extended keys, such as Ctrl+Left, apart).
CursesInput cursesInput(bool isKeyCode, std::uint32_t code, std::string_view keyName);

// The key that types `character` (Return for CR and LF, Backspace for BS and DEL), or
// nullopt for a code that types nothing: NUL, a C1 control, a surrogate, past U+10FFFF.
std::optional<PressedKey> typedKey(char32_t character);

// A press as the platform's input queue carries it: key-down, the character (both units
// of a character above U+FFFF), key-up.
std::vector<KeyInput> keyInputsOf(const PressedKey& key);

}  // namespace quelta::terminal
