#pragma once
// What a host draws for a field, in the host's own unit (character cells, pixels): the host
// says how large its text area is and how wide a piece of text is in that unit, and the
// drawing says which rows are in view, where each starts, what is selected, where the caret
// is and how far the scroll bars are moved. Plain data: two drawings compare equal exactly
// when what is drawn would be the same.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelta {

struct DrawingArea {
    int rows = 1;           // whole rows that fit
    double width = 0;       // the text area's width
    double caretWidth = 1;  // the room the caret takes at the end of a row
    // The width of a piece of text (UTF-8) in the host's unit.
    std::function<double(std::string_view)> measure;
};

struct DrawnRow {
    std::string text;  // UTF-8, as shown: masked for a password, without the line end
    double x = 0;      // where the text starts, from the text area's left edge
    // The selected bytes of `text`, [selectedFrom, selectedTo); equal when none are.
    std::size_t selectedFrom = 0;
    std::size_t selectedTo = 0;
    bool operator==(const DrawnRow&) const = default;
};

struct DrawnCaret {
    int row = 0;            // among the rows in view
    std::size_t index = 0;  // byte within that row's text
    double x = 0;           // from the text area's left edge
    bool operator==(const DrawnCaret&) const = default;
};

// How far a scroll bar is moved: `shown` of `total`, from `first` on.
struct ScrollPosition {
    double first = 0;
    double shown = 0;
    double total = 0;
    bool operator==(const ScrollPosition&) const = default;
};

enum class FieldBorder { None, Plain, Sunken };

struct FieldDrawing {
    FieldBorder border = FieldBorder::None;
    bool grey = false;  // the grey background of a field that cannot be edited
    bool focused = false;
    std::uint32_t background = 0;  // 0xRRGGBB, system colours resolved
    std::uint32_t foreground = 0;
    std::vector<DrawnRow> rows;                // top first; fewer than fit when the text ends
    std::optional<DrawnCaret> caret;           // only while focused
    std::optional<ScrollPosition> vertical;    // in rows
    std::optional<ScrollPosition> horizontal;  // in the host's unit
    bool operator==(const FieldDrawing&) const = default;
};

}  // namespace quelta
