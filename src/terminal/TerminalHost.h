#pragma once
// The terminal form host at run time: draws a form in the terminal and lets a person type
// into it. Keys go through the platform's keyboard input queue into the focused control,
// as the script host's keys do; a click focuses a control and places its caret, a double
// click selects a word; the platform's beep rings the terminal bell; F2 shows the events
// and property changes as they happen.

#include <string>

#include "form/EventLog.h"
#include "form/Form.h"
#include "terminal/CellScale.h"
#include "terminal/FormScreen.h"

namespace quelta::terminal {

class CursesPainter;

class TerminalHost {
public:
    // The host measures text in cells of `scale` from now on, on this thread. Build the
    // form's controls after this, so that they lay out in cells.
    TerminalHost(Form& form, CellScale scale, std::string region);
    ~TerminalHost();
    TerminalHost(const TerminalHost&) = delete;
    TerminalHost& operator=(const TerminalHost&) = delete;

    // Runs until the person leaves (Ctrl+Q or F10); returns the exit status.
    int run();

    // What the host would draw now.
    FormScreen screen();

private:
    void focusFirstControl();
    void typeKeys(StringView keys);
    void click(const FormScreen& shown);

    Form& form_;
    CellScale scale_;
    std::string region_;
    EventLog log_;
    bool paneOpen_ = false;
};

}  // namespace quelta::terminal
