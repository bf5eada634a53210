#pragma once
// What a key means to the designer. In design mode keys are the designer's commands, not
// typing for a control, so each key from the terminal (terminal/CursesKeys.h) is read as
// one command; the key itself goes along for the dialogs' text boxes, which edit with it as
// the platform's edit box does.
//
//   Tab, Shift+Tab   select the next / previous control (widget in a dialog)
//   arrows           move the selected control by a cell
//   Shift+arrows     size it by a cell
//   Insert, Delete   add a control / delete the selected one
//   Enter, F4        the property pages
//   F1               the About box
//   Ctrl+S, F2       save
//   Ctrl+Q, F10      leave

#include <cstdint>
#include <optional>

#include "terminal/CursesKeys.h"

namespace quelta::terminal {

struct DesignKey {
    enum class Kind {
        Tab,
        BackTab,
        Left,
        Right,
        Up,
        Down,
        ShiftLeft,
        ShiftRight,
        ShiftUp,
        ShiftDown,
        Enter,
        Escape,
        Backspace,
        Insert,
        Delete,
        PageUp,
        PageDown,
        Properties,
        About,
        Save,
        Quit,
        Character,
        Ignored
    };
    Kind kind = Kind::Ignored;
    char32_t character = 0;  // for Character
    PressedKey key;          // the key as pressed
    bool operator==(const DesignKey&) const = default;
};

DesignKey designKeyOf(const PressedKey& key);

// What an arrow key does to the selected control: a step of a cell across or down, moving
// it, or with Shift sizing it. Nullopt for every other key.
struct CellStep {
    int columns = 0;
    int rows = 0;
    bool sizes = false;
};
std::optional<CellStep> cellStepOf(DesignKey::Kind kind);

}  // namespace quelta::terminal
