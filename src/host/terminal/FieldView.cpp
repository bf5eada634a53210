#include "host/terminal/FieldView.h"

#include <unicode/utf16.h>

#include <algorithm>

#include "control/DisabledGray.h"
#include "control/Quelta.h"
#include "host/terminal/CellWidth.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"

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

Border borderOf(const EditBox& box, const Label& frame) {
    if (frame.visible() || (box.exStyle() & WS_EX_CLIENTEDGE) != 0) return Border::Sunken;
    if ((box.style() & WS_BORDER) != 0) return Border::Plain;
    return Border::None;
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

std::size_t characterLength(StringView text, std::size_t at) {
    return at + 1 < text.size() && U16_IS_LEAD(text[at]) && U16_IS_TRAIL(text[at + 1]) ? 2 : 1;
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

struct RowSpan {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

int alignmentIndent(std::uint32_t style, int textCells, int width) {
    if (textCells >= width) return 0;
    if ((style & ES_RIGHT) != 0) return width - textCells;
    if ((style & ES_CENTER) != 0) return (width - textCells) / 2;
    return 0;
}

// Rows of the area from the box's rows: the first one shown keeps the caret's row in view,
// and a row wider than the area scrolls so that the caret stays in view.
void fillRows(FieldView& view, EditBox& box, const String& display) {
    const int width = view.text.width;
    const int height = view.text.height;
    const std::int32_t rowCount = box.rowCount();
    const std::int32_t caretRow = box.rowFromChar(box.caret());
    const int firstRow = std::max(0, static_cast<int>(caretRow) - (height - 1));
    const std::int32_t selFrom = box.selectionVisible() ? box.selStart() : 0;
    const std::int32_t selTo = box.selectionVisible() ? selFrom + box.selLength() : 0;

    for (int r = 0; r < height; ++r) {
        const std::int32_t boxRow = firstRow + r;
        if (boxRow >= rowCount) {
            view.rows.push_back({String(static_cast<std::size_t>(width), u' '), 0, 0});
            continue;
        }
        const RowSpan span{box.rowStart(boxRow), box.rowLength(boxRow)};
        const StringView rowText = StringView(display).substr(
            static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
        const int caretCell =
            boxRow == caretRow
                ? cellWidth(rowText.substr(0, static_cast<std::size_t>(box.caret() - span.start)))
                : 0;
        const int scroll = std::max(0, caretCell - (width - 1));
        const int indent = scroll > 0 ? 0 : alignmentIndent(box.style(), cellWidth(rowText), width);
        const int first = scroll - indent;

        DrawnRow row;
        row.text = first >= 0 ? cellSlice(rowText, first, width)
                              : String(static_cast<std::size_t>(-first), u' ') +
                                    cellSlice(rowText, 0, width + first);
        auto cellOfIndex = [&](std::int32_t index) {
            index = std::clamp(index - span.start, 0, span.length);
            return std::clamp(cellWidth(rowText.substr(0, static_cast<std::size_t>(index))) - first,
                              0, width);
        };
        if (selTo > selFrom) {
            row.selectedFrom = cellOfIndex(selFrom);
            row.selectedTo = cellOfIndex(selTo);
            if (row.selectedFrom == row.selectedTo) row.selectedFrom = row.selectedTo = 0;
        }
        if (box.hasFocus() && boxRow == caretRow) {
            view.caret = CellPoint{view.text.row + r,
                                   view.text.column + std::min(caretCell - first, width - 1)};
        }
        view.rows.push_back(std::move(row));
    }
}

std::optional<ScrollBar> scrollBarOf(EditBox& box, int height, std::int32_t firstRow) {
    const std::int32_t rows = box.rowCount();
    if ((box.style() & WS_VSCROLL) == 0 || height < 1) return std::nullopt;
    if (rows <= height) return ScrollBar{0, height};
    const int thumb = std::max(1, height * height / static_cast<int>(rows));
    const int top = static_cast<int>((height - thumb) * firstRow / std::max(1, rows - height));
    return ScrollBar{std::min(top, height - thumb), thumb};
}

}  // namespace

std::optional<FieldView> fieldView(Quelta& control, const CellScale& scale) {
    EditBox* box = control.liveBox();
    if (box == nullptr || !isTrue(box->visible())) return std::nullopt;
    ControlContainer& container = control.container();

    FieldView view;
    view.caption = captionOf(container);
    view.frame = {scale.row(extenderTwips(container, u"Top")),
                  scale.column(extenderTwips(container, u"Left")), scale.columns(container.width()),
                  scale.rows(container.height())};
    view.border = borderOf(*box, control.frameLabel());
    view.text = textAreaOf(view.frame, view.border);
    view.backColor = box->backColor();
    view.foreColor = box->foreColor();
    view.grey = box->backColor() == kSystemButtonFace;
    view.focused = box->hasFocus();

    const std::int32_t caretRow = box->rowFromChar(box->caret());
    const int firstRow = std::max(0, static_cast<int>(caretRow) - (view.text.height - 1));
    if (box->isMultiLine() && view.text.height > 1) {
        view.scrollBar = scrollBarOf(*box, view.text.height, firstRow);
        if (view.scrollBar) view.text.width = std::max(0, view.text.width - 1);
    }
    const String display = box->displayText();
    fillRows(view, *box, display);
    return view;
}

}  // namespace quelta::terminal
