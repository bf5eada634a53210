#include "view/EditView.h"

#include <algorithm>

#include "control/DisabledGray.h"
#include "platform/editbox/EditBox.h"
#include "platform/editbox/Label.h"

namespace quelta::view {
namespace {

// A right-aligned row leaves the caret its room after the last character, so that the
// caret at the end stands in a place of its own and not on that character.
double alignmentIndent(std::uint32_t style, double textWidth, const ViewMetrics& metrics) {
    if (textWidth >= metrics.width) return 0;
    if ((style & ES_RIGHT) != 0)
        return std::max(0.0, metrics.width - metrics.caretWidth - textWidth);
    if ((style & ES_CENTER) != 0) return (metrics.width - textWidth) / 2;
    return 0;
}

StringView rowText(EditBox& box, StringView display, std::int32_t row) {
    return display.substr(static_cast<std::size_t>(box.rowStart(row)),
                          static_cast<std::size_t>(box.rowLength(row)));
}

// How far the rows are scrolled to the left: just enough to show the caret with its room.
// A box that wraps its words has nothing wider than itself to scroll to but the spaces that
// hang at a row's end, so it stays put.
double horizontalScroll(EditBox& box, StringView display, const ViewMetrics& metrics) {
    if (box.wordWraps()) return 0;
    const std::int32_t caretRow = box.rowFromChar(box.caret());
    const StringView text = rowText(box, display, caretRow);
    const auto beforeCaret = static_cast<std::size_t>(std::clamp(
        box.caret() - box.rowStart(caretRow), 0, static_cast<std::int32_t>(text.size())));
    const double caretX = metrics.measure(text.substr(0, beforeCaret));
    return std::max(0.0, caretX - (metrics.width - metrics.caretWidth));
}

ViewRow viewRow(EditBox& box, StringView display, std::int32_t row, double scroll,
                const ViewMetrics& metrics) {
    ViewRow shown;
    shown.start = box.rowStart(row);
    shown.text = String(rowText(box, display, row));
    shown.x =
        scroll > 0 ? -scroll : alignmentIndent(box.style(), metrics.measure(shown.text), metrics);
    if (box.selectionVisible() && box.selLength() > 0) {
        const auto length = static_cast<std::int32_t>(shown.text.size());
        shown.selectedFrom = std::clamp(box.selStart() - shown.start, 0, length);
        shown.selectedTo = std::clamp(box.selStart() + box.selLength() - shown.start, 0, length);
        if (shown.selectedFrom == shown.selectedTo) shown.selectedFrom = shown.selectedTo = 0;
    }
    return shown;
}

double widestRow(EditBox& box, StringView display, const ViewMetrics& metrics) {
    double widest = 0;
    for (std::int32_t row = 0; row < box.rowCount(); ++row)
        widest = std::max(widest, metrics.measure(rowText(box, display, row)));
    return widest;
}

}  // namespace

Border borderOf(const EditBox& box, const Label& frame) {
    if (frame.visible() || (box.exStyle() & WS_EX_CLIENTEDGE) != 0) return Border::Sunken;
    if ((box.style() & WS_BORDER) != 0) return Border::Plain;
    return Border::None;
}

ScrollBars scrollBarsOf(const EditBox& box) {
    if (!box.isMultiLine()) return {};
    return {(box.style() & WS_VSCROLL) != 0, (box.style() & WS_HSCROLL) != 0};
}

EditView editView(EditBox& box, const Label& frame, const ViewMetrics& metrics) {
    EditView view;
    view.border = borderOf(box, frame);
    view.backColor = box.backColor();
    view.foreColor = box.foreColor();
    view.grey = box.backColor() == kSystemButtonFace;
    view.focused = box.hasFocus();

    const String display = box.displayText();
    const std::int32_t rowCount = box.rowCount();
    const std::int32_t caretRow = box.rowFromChar(box.caret());
    const int firstRow = std::max(0, static_cast<int>(caretRow) - (metrics.rows - 1));
    const double scroll = horizontalScroll(box, display, metrics);
    for (int r = 0; r < metrics.rows && firstRow + r < rowCount; ++r) {
        view.rows.push_back(viewRow(box, display, firstRow + r, scroll, metrics));
        if (view.focused && firstRow + r == caretRow) {
            const ViewRow& row = view.rows.back();
            const std::int32_t index =
                std::clamp(box.caret() - row.start, 0, static_cast<std::int32_t>(row.text.size()));
            view.caret = Caret{r, index,
                               row.x + metrics.measure(StringView(row.text).substr(
                                           0, static_cast<std::size_t>(index)))};
        }
    }
    const ScrollBars bars = scrollBarsOf(box);
    if (bars.vertical)
        view.vertical =
            ScrollRange{static_cast<double>(firstRow), static_cast<double>(metrics.rows),
                        static_cast<double>(rowCount)};
    if (bars.horizontal) {
        const double total =
            std::max(widestRow(box, display, metrics) + metrics.caretWidth, scroll + metrics.width);
        view.horizontal = ScrollRange{scroll, metrics.width, total};
    }
    return view;
}

}  // namespace quelta::view
