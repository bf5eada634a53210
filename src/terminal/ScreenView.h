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
    bool operator==(const ScreenView&) const = default;
};

}  // namespace quelta::terminal
