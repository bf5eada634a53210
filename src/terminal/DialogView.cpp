#include "terminal/DialogView.h"

#include <algorithm>

#include "platform/pages/InputWidgets.h"
#include "platform/pages/ListWidgets.h"
#include "platform/pages/StaticWidgets.h"
#include "terminal/CellWidth.h"

namespace quelta::terminal {
namespace {

using Kind = WidgetView::Kind;

// The cells a widget's own text wants, for the widgets whose text may spill.
int naturalWidth(const PageWidget& widget) {
    if (dynamic_cast<const PageLabel*>(&widget)) return cellWidth(shownCaption(widget.caption()));
    if (dynamic_cast<const CheckBox*>(&widget))
        return 4 + cellWidth(shownCaption(widget.caption()));
    return 0;
}

CellRect cellsOf(const PageWidget& widget, const CellScale& scale, CellPoint origin) {
    const TwipsRect& at = widget.position();
    return {origin.row + scale.row(at.top), origin.column + scale.column(at.left),
            scale.columns(at.width), std::max(1, scale.rows(at.height))};
}

bool sharesRows(const CellRect& a, const CellRect& b) {
    return a.row < b.row + b.height && b.row < a.row + a.height;
}

// Widens a spilling widget up to its natural width, stopping at the nearest widget that
// starts to its right on the same rows.
void spill(std::vector<CellRect>& rects, std::size_t index, int natural) {
    CellRect& rect = rects[index];
    int room = natural;
    for (std::size_t other = 0; other < rects.size(); ++other) {
        const CellRect& next = rects[other];
        if (other == index || next.column <= rect.column || !sharesRows(rect, next)) continue;
        room = std::min(room, next.column - rect.column - 1);
    }
    rect.width = std::max(rect.width, room);
}

// A line of a text box's text: where it starts in the text and what it holds. CR LF, CR or
// LF ends a line.
struct Line {
    std::size_t start = 0;
    StringView text;
};

std::vector<Line> linesOf(StringView text) {
    std::vector<Line> lines{{0, {}}};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.back().text = text.substr(lines.back().start, i - lines.back().start);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        lines.push_back({i + 1, {}});
    }
    lines.back().text = text.substr(lines.back().start);
    return lines;
}

// A line as `cells` cells show it with the caret `caret` units into it: from its start, or
// scrolled just far enough that the caret has a cell of its own; and the caret's column.
struct Scrolled {
    String text;
    int caretColumn = 0;
};

Scrolled scrolledTo(StringView line, std::size_t caret, int cells) {
    std::size_t first = 0;
    while (first < caret && cellWidth(line.substr(first, caret - first)) > cells - 1)
        first += static_cast<std::size_t>(codePointAt(line, first).units);
    first = std::min(first, caret);
    return {fitted(line.substr(first), cells), cellWidth(line.substr(first, caret - first))};
}

struct Drawn {
    Kind kind;
    std::vector<String> rows;
    std::optional<CellPoint> caret;  // relative to the widget's corner
};

// The rows in view hold the caret's line: the last ones while it is at the end.
Drawn drawTextBox(const TextBox& box, const CellRect& rect, std::size_t caret) {
    const StringView text = box.text();
    const std::vector<Line> lines =
        box.style().multiLine ? linesOf(text) : std::vector<Line>{{0, text}};
    std::size_t caretLine = 0;
    while (caretLine + 1 < lines.size() && lines[caretLine + 1].start <= caret)
        ++caretLine;
    const auto height = static_cast<std::size_t>(rect.height);
    const std::size_t first = caretLine + 1 > height ? caretLine + 1 - height : 0;
    Drawn drawn{Kind::Field, {}, {}};
    for (std::size_t i = first; i < lines.size() && i < first + height; ++i) {
        const Line& line = lines[i];
        if (i != caretLine) {
            drawn.rows.push_back(fitted(line.text, rect.width));
            continue;
        }
        const std::size_t within = std::min(caret - line.start, line.text.size());
        Scrolled shown = scrolledTo(line.text, within, rect.width);
        drawn.rows.push_back(std::move(shown.text));
        drawn.caret = CellPoint{static_cast<int>(i - first), shown.caretColumn};
    }
    while (drawn.rows.size() < height)
        drawn.rows.push_back(fitted(u"", rect.width));
    return drawn;
}

// A list shows its choice and a mark that it drops down; the mark takes the last cell.
Drawn drawList(StringView text, const CellRect& rect, std::optional<std::size_t> caret) {
    const Scrolled shown =
        scrolledTo(text, std::min(caret.value_or(text.size()), text.size()), rect.width);
    Drawn drawn{Kind::Field, {fitted(shown.text, rect.width - 1) + u"\u25BC"}, {}};
    if (caret) drawn.caret = CellPoint{0, shown.caretColumn};
    return drawn;
}

Drawn drawCheckBox(const CheckBox& box, const CellRect& rect) {
    const StringView mark = box.state() == CheckBox::kChecked  ? u"[x] "
                            : box.state() == CheckBox::kGrayed ? u"[-] "
                                                               : u"[ ] ";
    return {Kind::CheckBox, {fitted(String(mark) + shownCaption(box.caption()), rect.width)}, {}};
}

Drawn drawButton(const PageWidget& button, const CellRect& rect) {
    const String caption = shownCaption(button.caption());
    const int inside = std::max(0, rect.width - 2);
    const int before = std::max(0, (inside - cellWidth(caption)) / 2);
    const String middle = fitted(String(static_cast<std::size_t>(before), u' ') + caption, inside);
    return {Kind::Button, {u"[" + middle + u"]"}, {}};
}

// `caret`: where the caret of a text or combo box is; nullopt puts it after the text.
Drawn draw(const PageWidget& widget, const CellRect& rect, std::optional<std::size_t> caret) {
    if (auto* box = dynamic_cast<const TextBox*>(&widget))
        return drawTextBox(*box, rect, caret.value_or(box->text().size()));
    if (auto* combo = dynamic_cast<const ComboBox*>(&widget))
        return drawList(combo->text(), rect, caret.value_or(combo->text().size()));
    if (auto* list = dynamic_cast<const DropDownList*>(&widget)) {
        const int at = list->listIndex();
        return drawList(at < 0 ? String() : list->entries()[static_cast<std::size_t>(at)], rect,
                        std::nullopt);
    }
    if (auto* box = dynamic_cast<const CheckBox*>(&widget)) return drawCheckBox(*box, rect);
    if (dynamic_cast<const CommandButton*>(&widget)) return drawButton(widget, rect);
    if (dynamic_cast<const ImageBox*>(&widget)) {
        return {Kind::Image,
                std::vector<String>(static_cast<std::size_t>(rect.height),
                                    String(static_cast<std::size_t>(rect.width), u'\u2592')),
                {}};
    }
    return {Kind::Label, {fitted(shownCaption(widget.caption()), rect.width)}, {}};
}

}  // namespace

String shownCaption(StringView caption) {
    String shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        shown.push_back(caption[i]);
    }
    return shown;
}

String fitted(StringView text, int cells) {
    if (cells <= 0) return {};
    String shown(text.substr(0, unitsInCells(text, cells)));
    shown.append(static_cast<std::size_t>(cells - cellWidth(shown)), u' ');
    return shown;
}

PlacedWidgets placeWidgets(const WidgetSet& widgets, const CellScale& scale, CellPoint origin,
                           const PageWidget* focused, std::optional<std::size_t> caret) {
    const std::vector<PageWidget*> ordered = widgets.inTabOrder();
    std::vector<CellRect> rects;
    for (const PageWidget* widget : ordered)
        rects.push_back(cellsOf(*widget, scale, origin));
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        if (const int natural = naturalWidth(*ordered[i])) spill(rects, i, natural);
    }
    PlacedWidgets placed;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        Drawn drawn = draw(*ordered[i], rects[i], ordered[i] == focused ? caret : std::nullopt);
        WidgetView view{drawn.kind, ordered[i]->name(), rects[i], std::move(drawn.rows),
                        ordered[i] == focused};
        while (view.rows.size() < static_cast<std::size_t>(rects[i].height))
            view.rows.push_back(fitted(u"", rects[i].width));
        if (view.focused && drawn.caret) {
            placed.caret =
                CellPoint{rects[i].row + drawn.caret->row,
                          rects[i].column + std::min(drawn.caret->column, rects[i].width - 1)};
        } else if (view.focused) {
            // The terminal's cursor shows the focus as well: in a check box's mark, else at
            // the widget's first cell.
            const int inMark = view.kind == Kind::CheckBox && rects[i].width > 1 ? 1 : 0;
            placed.caret = CellPoint{rects[i].row, rects[i].column + inMark};
        }
        placed.views.push_back(std::move(view));
    }
    return placed;
}

CellRect frameAround(CellPoint origin, int columns, int rows,
                     const std::vector<WidgetView>& widgets) {
    int right = origin.column + columns;
    int bottom = origin.row + rows;
    for (const WidgetView& widget : widgets) {
        right = std::max(right, widget.rect.column + widget.rect.width);
        bottom = std::max(bottom, widget.rect.row + widget.rect.height);
    }
    return {origin.row - 1, origin.column - 1, right - origin.column + 2, bottom - origin.row + 2};
}

DialogView dialogView(const DialogForm& dialog, const CellScale& scale, const PageWidget* focused) {
    const CellPoint origin{2, 3};
    PlacedWidgets placed = placeWidgets(dialog.widgets(), scale, origin, focused);
    DialogView view;
    view.title = dialog.caption();
    view.frame = frameAround(origin, scale.columns(dialog.clientWidth()),
                             scale.rows(dialog.clientHeight()), placed.views);
    view.widgets = std::move(placed.views);
    view.caret = placed.caret;
    return view;
}

}  // namespace quelta::terminal
