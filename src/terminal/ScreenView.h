#pragma once
// Everything the terminal host shows at one moment: the fields of the form, the status
// line and, while it is open, the event pane. A plain value; the painter draws the parts
// that differ from the last one it drew.

#include <vector>

#include "terminal/FieldView.h"

namespace quelta::terminal {

struct ScreenView {
    std::vector<FieldView> fields;
    String status;
    std::vector<String> pane;  // newest last; empty while the pane is closed
    bool paneOpen = false;
    int paneRows = 8;  // the pane's height while it is open; 0 where it finds no room
    // Rows from the top that the fields may draw in; 0 for all above the status line.
    int formRows = 0;
    // Shown alone instead of the form when the terminal is too small for it.
    String tooSmall;
    bool operator==(const ScreenView&) const = default;
};

}  // namespace quelta::terminal
