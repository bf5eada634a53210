#pragma once
// How the terminal host draws a ScreenView with ncurses. It remembers the last view it
// drew and draws only the fields, status line and pane that differ; ncurses then sends the
// terminal only the cells that changed. Where the terminal has colours a field shows its
// BackColor and ForeColor as the nearest the terminal has (TerminalColour.h), in bold
// while it has the focus; otherwise attributes (underline for a field, reverse for a
// selection, dim for grey).

#include <curses.h>

#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "terminal/ScreenView.h"

namespace quelta::terminal {

// A ring of lines just inside `frame`; `topAndLeft` is added to the top and left sides,
// A_DIM for a sunken edge where the light does not reach; cut at the window's edges and
// above the row `bottom`.
void drawRing(WINDOW* window, const CellRect& frame, attr_t topAndLeft = A_NORMAL,
              int bottom = INT_MAX);

class CursesPainter {
public:
    // Sets up the colour pairs when the terminal has colours.
    CursesPainter();

    // Draws into `window` what differs from the last view drawn; returns the number of
    // fields drawn. Leaves the terminal's cursor at the caret.
    int paint(WINDOW* window, const ScreenView& view);
    // Forgets the last view, so that the next paint clears and draws everything (after a
    // resize, or when the pane closes over the form).
    void invalidate() { last_.reset(); }

private:
    enum Role : short {
        kField = 1,
        kFieldGrey,
        kFieldFocused,
        kSelection,
        kCaption,
        kStatus,
        kPane,
        kFirstFreePair
    };
    attr_t attributes(Role role) const;
    attr_t fieldAttributes(const FieldView& field);
    attr_t colourPair(std::uint32_t backColor, std::uint32_t foreColor);

    void drawField(WINDOW* window, const FieldView& field);
    void eraseField(WINDOW* window, const FieldView& field);
    void drawBorder(WINDOW* window, const FieldView& field);
    void drawRow(WINDOW* window, const FieldView& field, int index);
    void drawScrollBar(WINDOW* window, const FieldView& field);
    void drawStatus(WINDOW* window, const String& status);
    void drawPane(WINDOW* window, const std::vector<String>& pane, int rows);
    void drawMessage(WINDOW* window, const String& message);
    void placeCursor(WINDOW* window, const ScreenView& view);

    bool colours_ = false;
    int palette_ = 0;  // how many colours the terminal has
    std::map<std::pair<std::uint32_t, std::uint32_t>, attr_t> pairs_;  // by BackColor, ForeColor
    std::optional<ScreenView> last_;
    int bottom_ = 0;  // the row below the last one the fields may draw in
};

}  // namespace quelta::terminal
