#pragma once
// The terminal in ncurses' hands for the life of one object, and given back whole however
// the program ends: by the destructor on a normal exit or an exception, and by a signal
// handler on Ctrl+C from outside, a hang-up, a termination or a crash. The handler does
// only what is safe in a signal (restore the saved terminal modes, write the saved
// escape sequences), then lets the signal take its default course.
//
// Keys come raw, so that Ctrl+C, Ctrl+V and Ctrl+Z reach the edit box as copy, paste and
// undo.

#include <curses.h>

#include <cstdio>

namespace quelta::terminal {

class CursesSession {
public:
    // Starts ncurses on the terminal; throws std::runtime_error when there is none.
    CursesSession();
    ~CursesSession();
    CursesSession(const CursesSession&) = delete;
    CursesSession& operator=(const CursesSession&) = delete;

    WINDOW* screen() const { return stdscr; }

private:
    SCREEN* terminal_ = nullptr;
    FILE* controllingTerminal_ = nullptr;  // opened when standard input or output is not one
};

}  // namespace quelta::terminal
