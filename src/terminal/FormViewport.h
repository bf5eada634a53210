#pragma once
// Which part of a form a terminal shows. A form is laid out for a screen of its own size;
// a smaller terminal shows the part around the focused field and moves with the focus, and
// the event pane takes only the rows the focused field leaves. A terminal that cannot show
// even the largest field whole with the status line below it shows a message instead.

#include <optional>
#include <vector>

#include "terminal/FieldView.h"

namespace quelta::terminal {

// The first cell along one axis to show, moving as little as possible from `offset`:
// [from, to) comes into the `room` cells shown (its start wins where it is longer), and
// no room is left empty past the form's `extent` that could show more of the form.
int scrollOffset(int offset, int from, int to, int room, int extent);

// Rows the event pane takes above the status line: up to `wanted`, leaving `keep` rows for
// the form; none where fewer than two (its title and a line) are left.
int paneRows(int screenRows, int keep, int wanted);

struct CellSize {
    int rows = 0;
    int columns = 0;
    bool operator==(const CellSize&) const = default;
};

// The smallest screen that shows any one of the fields whole, with the status line below.
CellSize neededSize(const std::vector<FieldView>& fields);

// Moves a field on the screen by whole cells, caret and all.
void shiftField(FieldView& field, int rows, int columns);

}  // namespace quelta::terminal
