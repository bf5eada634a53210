#pragma once
// What the terminal host draws for one control: the box's view (view/EditView.h)
// laid out in character cells at the control's place on the form. It knows nothing of the
// terminal, so that any host that draws in cells (or tests) can use it, and two views
// compare equal exactly when the drawing would be the same.
//
// The text area is the frame less its border: a frame of one or two rows shows its border
// as a mark in its first and last column, a taller one as a ring of lines. A multi-line
// box with a vertical scroll bar gives its area's last column to the bar, one with a
// horizontal scroll bar its area's last row.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/String.h"
#include "terminal/CellScale.h"
#include "view/EditView.h"

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

using view::Border;

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

// Drawn in the row below the text area, as wide as the area.
struct HorizontalBar {
    int thumbColumn = 0;  // within the text area
    int thumbWidth = 1;
    bool operator==(const HorizontalBar&) const = default;
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
    std::optional<HorizontalBar> horizontalBar;
    bool operator==(const FieldView&) const = default;
};

// The view of a control whose live box exists; nullopt while it has none or is hidden.
std::optional<FieldView> fieldView(Quelta& control, const CellScale& scale);

// The position in the control's text drawn at a cell of the screen (view/HitTest.h); nullopt
// while the control shows no field.
std::optional<std::int32_t> characterAtCell(Quelta& control, const CellScale& scale, CellPoint at);

}  // namespace quelta::terminal
