#pragma once
// How the terminal host maps the form's twips to character cells. A form is laid out in
// twips (1440 per inch); a terminal has only cells. The default takes a cell for 120 twips
// across and 240 down, which is a typical 8 x 16 pixel character at 15 twips per pixel, so
// that a field sized for a few digits on a form is a few cells wide here. Hosts may choose
// another scale (`quelta run --cell 96x192`).

#include <optional>
#include <string_view>
#include <vector>

namespace quelta::terminal {

struct CellScale {
    double twipsPerColumn = 120;
    double twipsPerRow = 240;

    // The cell a length or position in twips falls into; lengths round to the nearest cell
    // and never vanish below one cell once they are positive.
    int columns(double twips) const;
    int rows(double twips) const;
    int column(double twips) const;
    int row(double twips) const;
    // The twips of whole cells, for moving and sizing in cell steps.
    double twipsOfColumns(int columns) const { return columns * twipsPerColumn; }
    double twipsOfRows(int rows) const { return rows * twipsPerRow; }
};

// The scale with its rows adjusted to the form's row pitch (the least gap between the tops
// of its controls), so that controls placed a pitch apart stand a whole number of rows
// apart and no blank rows come and go between them: 96 x 192 on a form of 240 twips a line
// takes 240 twips a row. A pitch that no whole number of rows comes near (within half the
// row either way) leaves the scale as it is.
CellScale evenRows(CellScale scale, std::vector<double> tops);

// Reads "WxH" (twips per column, twips per row), each a whole number from 1 to 10000;
// nullopt for anything else.
std::optional<CellScale> parseCellScale(std::string_view text);

}  // namespace quelta::terminal
