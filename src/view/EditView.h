#pragma once
// What a host draws for a live edit box, in the host's own unit: cells for the terminal,
// pixels for a graphical toolkit. The host says how large its text area is and how wide a
// piece of text is in that unit; the view says which rows are in view, where each one
// starts (aligned, or scrolled so that the caret stays in view), what is selected, where
// the caret is and how far the scroll bars are moved. Plain data: two views compare equal
// exactly when the drawing would be the same, and drawing it is each host's own business.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/String.h"

namespace quelta {
class EditBox;
class Label;
}  // namespace quelta

namespace quelta::view {

enum class Border { None, Plain, Sunken };

// One row in view.
struct ViewRow {
    std::int32_t start = 0;  // the index of its first character in the box's text
    String text;             // its characters as shown (masked, without the line end)
    double x = 0;            // where its text starts, from the text area's left edge
    // The selected part of `text`, [selectedFrom, selectedTo); equal when none of it is.
    std::int32_t selectedFrom = 0;
    std::int32_t selectedTo = 0;
    bool operator==(const ViewRow&) const = default;
};

struct Caret {
    int row = 0;             // among the rows in view
    std::int32_t index = 0;  // within that row's text
    double x = 0;            // from the text area's left edge
    bool operator==(const Caret&) const = default;
};

// How far a scroll bar is moved: `shown` of `total`, from `first` on.
struct ScrollRange {
    double first = 0;
    double shown = 0;
    double total = 0;
    bool operator==(const ScrollRange&) const = default;
};

struct EditView {
    Border border = Border::None;
    bool grey = false;  // the grey background of a field that cannot be edited
    bool focused = false;
    std::uint32_t backColor = 0;
    std::uint32_t foreColor = 0;
    std::vector<ViewRow> rows;              // top first; fewer than fit when the text ends
    std::optional<Caret> caret;             // only while focused
    std::optional<ScrollRange> vertical;    // in rows
    std::optional<ScrollRange> horizontal;  // in the host's unit
    bool operator==(const EditView&) const = default;
};

// The text area as the host lays it out, and its measure of text.
struct ViewMetrics {
    int rows = 1;           // whole rows that fit
    double width = 0;       // the area's width
    double caretWidth = 1;  // the room the caret takes at the end of a row
    std::function<double(StringView)> measure;
};

struct ScrollBars {
    bool vertical = false;
    bool horizontal = false;
};

Border borderOf(const EditBox& box, const Label& frame);
// The scroll bars the box asks for; a host that has room for them takes it from the area
// before it measures it for the view.
ScrollBars scrollBarsOf(const EditBox& box);

// The view of a box: the first row shown keeps the caret's row in view, and the rows
// scroll sideways together so that the caret stays in view; while they are not scrolled,
// each row is placed by the box's alignment.
EditView editView(EditBox& box, const Label& frame, const ViewMetrics& metrics);

}  // namespace quelta::view
