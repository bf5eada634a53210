#pragma once
// Terminal descriptions often miss the editing keys a terminal really sends: tmux and screen
// send Home as ESC [1~ whatever TERM says, and vt100 lists no Home, End or shifted arrows
// at all. Such a key would otherwise be read as an unknown sequence and dropped, so Home
// and End would do nothing. These are the sequences the VT220 and xterm families agree on;
// each is taught to curses only where the description leaves it free.

namespace quelta::terminal {

void defineCommonKeySequences();

}  // namespace quelta::terminal
