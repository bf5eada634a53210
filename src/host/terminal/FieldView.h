#pragma once
// What the terminal host draws for one control: a plain value built from the control's
// live edit box and its place on the form, in character cells. It knows nothing of the
// terminal, so that any host that draws in cells (or tests) can use it, and two views
// compare equal exactly when the drawing would be the same.
//
// The text area is the frame less its border: a frame of one or two rows shows its border
// as a mark in its first and last column, a taller one as a ring of lines. A multi-line
// box with a vertical scroll bar gives its area's last column to the bar.

#include <cstdint>
#include <optional>
#include <vector>

#include "host/terminal/CellScale.h"
#include "platform/String.h"

namespace quelta {
class Quelta;
}

namespace quelta::terminal {

struct CellRect {
    int row = 0;
    int column = 0;
    int width = 0;
    int height = 0;
    bool contains(int atRow, int atColumn) const {
        return atRow >= row && atRow < row + height && atColumn >= column &&
               atColumn < column + width;
    }
    bool operator==(const CellRect&) const = default;
};

struct CellPoint {
    int row = 0;
    int column = 0;
    bool operator==(const CellPoint&) const = default;
};

enum class Border { None, Plain, Sunken };

// One row of the text area: exactly as many cells as the area is wide, aligned and
// scrolled, with the selected cells [selectedFrom, selectedTo).
struct DrawnRow {
    String text;
    int selectedFrom = 0;
    int selectedTo = 0;
    bool operator==(const DrawnRow&) const = default;
};

struct ScrollBar {
    int thumbRow = 0;  // within the text area
    int thumbHeight = 1;
    bool operator==(const ScrollBar&) const = default;
};

struct FieldView {
    String caption;
    CellRect frame;
    CellRect text;
    Border border = Border::None;
    bool grey = false;  // the grey background of a field that cannot be edited
    bool focused = false;
    std::uint32_t backColor = 0;
    std::uint32_t foreColor = 0;
    std::vector<DrawnRow> rows;
    std::optional<CellPoint> caret;  // on the screen; only while focused
    std::optional<ScrollBar> scrollBar;
    bool operator==(const FieldView&) const = default;
};

// The view of a control whose live box exists; nullopt while it has none or is hidden.
std::optional<FieldView> fieldView(Quelta& control, const CellScale& scale);

}  // namespace quelta::terminal
