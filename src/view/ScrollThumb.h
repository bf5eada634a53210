#pragma once
// Where the thumb of a scroll bar lies, in whole units of the host (cells or pixels): a
// thumb as long as the part shown is of the whole, never shorter than one unit, and as far
// along the track as the part shown is along what can be scrolled.

#include "view/EditView.h"

namespace quelta::view {

struct Thumb {
    int start = 0;
    int length = 0;
    bool operator==(const Thumb&) const = default;
};

// A range that shows everything fills the track.
Thumb scrollThumb(const ScrollRange& range, int track);

}  // namespace quelta::view
