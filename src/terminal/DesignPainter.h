#pragma once
// How the designer draws a DesignView with ncurses: the form's fields as the run-time
// painter draws them, then the selected control's handles and the open dialog over them.
// The overlays change the cells around the fields, so a view that differs from the last
// one is drawn whole; ncurses still sends the terminal only the cells that changed.
// Attributes only (bold, reverse, underline, dim), so that it reads on any terminal.

#include <curses.h>

#include <optional>

#include "terminal/CursesPainter.h"
#include "terminal/FormDesigner.h"

namespace quelta::terminal {

class DesignPainter {
public:
    void paint(WINDOW* window, const DesignView& view);
    void invalidate() { last_.reset(); }

private:
    CursesPainter fields_;
    std::optional<DesignView> last_;
};

}  // namespace quelta::terminal
