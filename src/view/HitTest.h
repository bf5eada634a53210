#pragma once
// Which character position of an edit box lies under a point of a host, found in the host's
// own unit from the same view the host drew (view/EditView.h), so that a click lands on the
// character drawn under it however far the rows are scrolled, down or sideways: the row
// under the point among the rows in view, and in it the caret stop nearest the point. The
// box's own mouse input takes twips from its corner; boxPointOf gives the point at which it
// finds that position again.

#include <cstdint>
#include <optional>

#include "view/EditView.h"

namespace quelta::view {

// `x` and `y` are from the text area's top-left corner, `rowHeight` is the height of a row.
// A point above or below the rows in view takes the nearest of them; one before or after
// a row's text, the row's start or end. Nullopt while the view shows no row.
std::optional<std::int32_t> characterAt(const EditView& view, const ViewMetrics& metrics, double x,
                                        double y, double rowHeight);

// In twips from the box's corner, halfway down the position's row.
struct BoxPoint {
    float x = 0;
    float y = 0;
};
BoxPoint boxPointOf(EditBox& box, std::int32_t index);

}  // namespace quelta::view
