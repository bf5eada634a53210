#pragma once
// One input from the terminal for both hosts: a key, a resize or a mouse event. A control
// sequence the terminal description does not know is read to its end and dropped, and an
// ESC waits briefly for the rest of a sequence, so that a sequence split in transit is
// not taken for the Escape key (which would cancel a dialog).

#include <curses.h>

#include "terminal/CursesKeys.h"

namespace quelta::terminal {

CursesInput readCursesInput(WINDOW* window);

}  // namespace quelta::terminal
