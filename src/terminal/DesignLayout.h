#pragma once
// The designer's arithmetic on a control's place, in twips: moving and sizing by whole
// character cells, the name of a new control and the free place it goes to. Pure rules,
// so that what a key does to a control is decided without a terminal.

#include <functional>
#include <vector>

#include "platform/String.h"
#include "platform/pages/PageWidget.h"
#include "terminal/CellScale.h"

namespace quelta::terminal {

// Moved by whole cells; the form's left and top edges stop it.
TwipsRect movedByCells(TwipsRect place, int columns, int rows, const CellScale& scale);
// Grown or shrunk by whole cells; never smaller than one cell either way (the control may
// insist on more).
TwipsRect sizedByCells(TwipsRect place, int columns, int rows, const CellScale& scale);

// "txtField" and the smallest number from 1 that gives a name not yet taken.
String freshControlName(const std::function<bool(StringView)>& taken);

// Where a new control of that size goes: under every control there is, at the left edge of
// the leftmost one, on a whole cell; on an empty form at the first row, far enough right
// for its caption.
TwipsRect freePlace(const std::vector<TwipsRect>& taken, float width, float height,
                    const CellScale& scale);

}  // namespace quelta::terminal
