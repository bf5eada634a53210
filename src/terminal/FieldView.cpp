#include "terminal/FieldView.h"

#include <algorithm>
#include <cmath>

#include "control/Quelta.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "terminal/CellWidth.h"
#include "view/HitTest.h"
#include "view/ScrollThumb.h"

namespace quelta::terminal {
namespace {

// An extender value the host may not have given the control reads as zero.
double extenderTwips(ControlContainer& container, StringView name) {
    try {
        return container.extenderProperty(name).toDouble();
    } catch (const AutomationError&) {
        return 0;
    }
}

String captionOf(ControlContainer& container) {
    try {
        String tip = container.extenderProperty(u"ToolTipText").toString();
        if (!tip.empty()) return tip;
        return container.extenderProperty(u"Name").toString();
    } catch (const AutomationError&) {
        return {};
    }
}

CellRect textAreaOf(const CellRect& frame, Border border) {
    if (border == Border::None) return frame;
    CellRect area = frame;
    area.column += 1;
    area.width = std::max(0, area.width - 2);
    if (frame.height >= 3) {
        area.row += 1;
        area.height -= 2;
    }
    return area;
}

constexpr char16_t kCutMark[] = u"\u2026";

std::size_t characterLength(StringView text, std::size_t at) {
    return static_cast<std::size_t>(codePointAt(text, at).units);
}

// `width` cells of `text` from its cell `first`, with spaces where either edge cuts a wide
// character and after the end of the text.
String cellSlice(StringView text, int first, int width) {
    String slice;
    int cell = 0;
    int used = 0;
    for (std::size_t i = 0; i < text.size() && used < width;) {
        const std::size_t length = characterLength(text, i);
        const StringView character = text.substr(i, length);
        const int cells = cellWidth(character);
        i += length;
        const int start = cell;
        cell += cells;
        if (cell <= first) continue;
        if (start < first || used + cells > width) {
            const int shown = std::min(cell - std::max(start, first), width - used);
            slice.append(static_cast<std::size_t>(shown), u' ');
            used += shown;
            continue;
        }
        slice.append(character);
        used += cells;
    }
    slice.append(static_cast<std::size_t>(width - used), u' ');
    return slice;
}

// A row of the view in cells: the text from the cell `first` of the row on (a negative
// `first` indents it), the selection as cells of the area. `markCut` ends a row whose text
// goes on past the right edge with a mark, so that a cut value does not pass for whole.
DrawnRow drawnRow(const view::ViewRow& row, int width, bool markCut) {
    const int first = -static_cast<int>(std::floor(row.x));
    DrawnRow drawn;
    drawn.text = first >= 0 ? cellSlice(row.text, first, width)
                            : String(static_cast<std::size_t>(-first), u' ') +
                                  cellSlice(row.text, 0, width + first);
    if (markCut && width > 0 && cellWidth(row.text) - first > width)
        drawn.text = cellSlice(drawn.text, 0, width - 1) + kCutMark;
    if (row.selectedTo > row.selectedFrom) {
        auto cellOfIndex = [&](std::int32_t index) {
            const StringView before =
                StringView(row.text).substr(0, static_cast<std::size_t>(index));
            return std::clamp(cellWidth(before) - first, 0, width);
        };
        drawn.selectedFrom = cellOfIndex(row.selectedFrom);
        drawn.selectedTo = cellOfIndex(row.selectedTo);
        if (drawn.selectedFrom == drawn.selectedTo) drawn.selectedFrom = drawn.selectedTo = 0;
    }
    return drawn;
}

void fillRows(FieldView& field, const view::EditView& shown) {
    const int width = field.text.width;
    // While the field is edited the text scrolls to the caret instead.
    for (const view::ViewRow& row : shown.rows)
        field.rows.push_back(drawnRow(row, width, !shown.focused));
    while (static_cast<int>(field.rows.size()) < field.text.height)
        field.rows.push_back({String(static_cast<std::size_t>(width), u' '), 0, 0});
    if (shown.caret) {
        const int column = static_cast<int>(std::floor(shown.caret->x));
        field.caret = CellPoint{field.text.row + shown.caret->row,
                                field.text.column + std::clamp(column, 0, std::max(0, width - 1))};
    }
}

// Lays out the field of a control whose live box is shown, into `field`, and keeps the
// view and the measure it drew from; false (and nothing laid out) for any other control.
// The field is filled in place: the view of every field is built after every key.
bool layField(Quelta& control, const CellScale& scale, FieldView& field, view::ViewMetrics& metrics,
              view::EditView& shown) {
    EditBox* box = control.liveBox();
    if (box == nullptr || !isTrue(box->visible())) return false;
    ControlContainer& container = control.container();

    field.caption = captionOf(container);
    field.frame = {scale.row(extenderTwips(container, u"Top")),
                   scale.column(extenderTwips(container, u"Left")),
                   scale.columns(container.width()), scale.rows(container.height())};
    field.border = view::borderOf(*box, control.frameLabel());
    field.text = textAreaOf(field.frame, field.border);
    // The bars take a column and a row of the area when it has more than one row.
    view::ScrollBars bars = view::scrollBarsOf(*box);
    if (field.text.height < 2) bars = {};
    if (bars.vertical) field.text.width = std::max(0, field.text.width - 1);
    if (bars.horizontal) field.text.height -= 1;

    // The box wraps its text where the area ends, less the cell the caret takes after the
    // last character of a row, so that every character wrapped into a row is drawn.
    box->setFormatWidth(scale.twipsOfColumns(std::max(1, field.text.width - 1)));
    metrics = {field.text.height, static_cast<double>(field.text.width), 1,
               [](StringView text) { return double(cellWidth(text)); }};
    shown = view::editView(*box, control.frameLabel(), metrics);
    field.backColor = shown.backColor;
    field.foreColor = shown.foreColor;
    field.grey = shown.grey;
    field.focused = shown.focused;
    fillRows(field, shown);
    if (bars.vertical && shown.vertical) {
        const view::Thumb thumb = view::scrollThumb(*shown.vertical, field.text.height);
        field.scrollBar = ScrollBar{thumb.start, thumb.length};
    }
    if (bars.horizontal && shown.horizontal) {
        const view::Thumb thumb = view::scrollThumb(*shown.horizontal, field.text.width);
        field.horizontalBar = HorizontalBar{thumb.start, thumb.length};
    }
    return true;
}

}  // namespace

std::optional<FieldView> fieldView(Quelta& control, const CellScale& scale) {
    std::optional<FieldView> field(std::in_place);
    view::ViewMetrics metrics;
    view::EditView shown;
    if (!layField(control, scale, *field, metrics, shown)) return std::nullopt;
    return field;
}

// A cell stands for the caret stop at its left edge: a click on a character puts the caret
// before it, where the caret is drawn in that cell.
std::optional<std::int32_t> characterAtCell(Quelta& control, const CellScale& scale, CellPoint at) {
    FieldView field;
    view::ViewMetrics metrics;
    view::EditView shown;
    if (!layField(control, scale, field, metrics, shown)) return std::nullopt;
    return view::characterAt(shown, metrics, at.column - field.text.column, at.row - field.text.row,
                             1);
}

}  // namespace quelta::terminal
