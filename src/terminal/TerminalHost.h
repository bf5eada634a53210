#pragma once
// The terminal form host at run time: draws a form in the terminal and lets a person type
// into it. Keys go as the platform's key input through the keyboard input queue into the
// focused control, as the script host's keys do; a click focuses a control and places its
// caret on the character drawn under it, a double click selects a word; the platform's beep
// rings the terminal bell; F2 shows the events and property changes as they happen.
//
// run() is the curses loop; start, press and click are what it does with the terminal's
// input, so that tests drive the host without a terminal.

#include <string>

#include "form/EventLog.h"
#include "form/Form.h"
#include "terminal/CellScale.h"
#include "terminal/CursesKeys.h"
#include "terminal/FormScreen.h"
#include "terminal/FormViewport.h"

namespace quelta::terminal {

class TerminalHost {
public:
    // The host measures text in cells of `scale` from now on, on this thread. Build the
    // form's controls after this, so that they lay out in cells.
    TerminalHost(Form& form, CellScale scale, std::string region);
    ~TerminalHost();
    TerminalHost(const TerminalHost&) = delete;
    TerminalHost& operator=(const TerminalHost&) = delete;

    // How a run ends. A prompt for a shell script ends accepted (F10) or cancelled (Esc or
    // Ctrl+Q); an ordinary run is left with Ctrl+Q or F10, and Esc is a key for the form.
    enum class Ending { Left, Accepted, Cancelled };
    void setPrompting(bool prompting) { prompting_ = prompting; }

    // Runs until the person leaves; returns the exit status: 1 when cancelled, else 0.
    int run();

    // The focus goes to the first field that can take it, as the form opens.
    void start();
    // Handles a key; false when it ends the run (ending() tells how).
    bool press(const PressedKey& key);
    Ending ending() const { return ending_; }
    // A click (`twice`: the second of a double click) at a cell of the screen.
    void click(CellPoint at, bool twice);

    // The terminal's size, from which on the host shows the part of the form around the
    // focused field (FormViewport.h); until set, the whole form from its top left.
    void setScreenSize(int rows, int columns);

    // What the host would draw now.
    FormScreen screen();

private:
    void fitToScreen(ScreenView& view);

    Form& form_;
    CellScale scale_;
    std::string region_;
    EventLog log_;
    bool paneOpen_ = false;
    bool prompting_ = false;
    Ending ending_ = Ending::Left;
    CellSize screenSize_;
    CellPoint offset_;       // the form's cell at the screen's top left
    bool tooSmall_ = false;  // as last shown: keys other than the endings wait
};

}  // namespace quelta::terminal
