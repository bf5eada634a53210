#pragma once
// What a key read from the terminal means to the terminal host: keys for the form, written
// in the keystroke-sending syntax so that they travel through the input queue exactly as a
// script's keys do, or a command of the host itself.
//
// Ctrl+letter keys reach the form (Ctrl+C copies, Ctrl+V pastes, Ctrl+Z undoes), except
// Ctrl+Q, which leaves; F2 opens and closes the event pane.

#include <cstdint>
#include <string_view>

#include "platform/String.h"

namespace quelta::terminal {

struct TerminalKey {
    enum class Kind { Keys, Quit, TogglePane, Resize, Mouse, Ignored };
    Kind kind = Kind::Ignored;
    String keys;  // for Keys
};

// `code` is a character when `isKeyCode` is false, else an ncurses KEY_ code; `keyName`
// is ncurses' name for the code (it tells the extended keys, such as Ctrl+Left, apart).
TerminalKey translateKey(bool isKeyCode, std::uint32_t code, std::string_view keyName);

}  // namespace quelta::terminal
