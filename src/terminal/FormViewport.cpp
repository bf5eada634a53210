#include "terminal/FormViewport.h"

#include <algorithm>

namespace quelta::terminal {

int scrollOffset(int offset, int from, int to, int room, int extent) {
    if (room <= 0) return std::max(0, from);
    if (to - from > room) return std::max(0, from);
    if (from < offset) offset = from;
    if (to > offset + room) offset = to - room;
    // A screen grown since, or a field moved up, shows the form from its start again.
    offset = std::min(offset, std::max(0, extent - room));
    return std::max(0, offset);
}

int paneRows(int screenRows, int keep, int wanted) {
    const int rows = std::min(wanted, screenRows - 1 - keep);
    return rows >= 2 ? rows : 0;
}

CellSize neededSize(const std::vector<FieldView>& fields) {
    CellSize needed{1, 1};
    for (const FieldView& field : fields) {
        needed.rows = std::max(needed.rows, field.frame.height + 1);
        needed.columns = std::max(needed.columns, field.frame.width);
    }
    return needed;
}

void shiftField(FieldView& field, int rows, int columns) {
    for (CellRect* rect : {&field.frame, &field.text}) {
        rect->row += rows;
        rect->column += columns;
    }
    if (field.caret) {
        field.caret->row += rows;
        field.caret->column += columns;
    }
}

}  // namespace quelta::terminal
