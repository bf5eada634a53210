#include "terminal/DesignPainter.h"

#include <algorithm>

#include "terminal/CellWidth.h"

namespace quelta::terminal {
namespace {

void put(WINDOW* window, int row, int column, StringView text) {
    if (row < 0 || row >= getmaxy(window) || column < 0 || column >= getmaxx(window)) return;
    const int room = getmaxx(window) - column;
    mvwaddstr(window, row, column, toUtf8(text.substr(0, unitsInCells(text, room))).c_str());
}

void drawSelection(WINDOW* window, const CellRect& mark) {
    wattrset(window, A_BOLD);
    for (int r = 0; r < mark.height; ++r) {
        put(window, mark.row + r, mark.column, u"\u25B6");
        put(window, mark.row + r, mark.column + mark.width - 1, u"\u25C0");
    }
    wattrset(window, A_NORMAL);
}

attr_t widgetAttributes(const WidgetView& widget) {
    if (!widget.enabled) return A_DIM;
    switch (widget.kind) {
        case WidgetView::Kind::Field:
            return widget.focused ? A_UNDERLINE | A_BOLD : A_UNDERLINE;
        case WidgetView::Kind::CheckBox:
            return widget.focused ? A_REVERSE : A_NORMAL;
        case WidgetView::Kind::Button:
            return widget.focused ? A_REVERSE | A_BOLD : A_BOLD;
        case WidgetView::Kind::Image:
            return A_DIM;
        case WidgetView::Kind::Label:
            break;
    }
    return A_NORMAL;
}

void drawFrame(WINDOW* window, const CellRect& f) {
    wattrset(window, A_NORMAL);
    for (int r = 0; r < f.height; ++r)
        mvwhline(window, f.row + r, f.column, ' ', f.width);
    drawRing(window, f);
}

void drawDialog(WINDOW* window, const DialogView& dialog) {
    const CellRect& f = dialog.frame;
    drawFrame(window, f);
    wattrset(window, A_BOLD);
    put(window, f.row, f.column + 2, u" " + dialog.title + u" ");
    int column = f.column + 2;
    for (std::size_t i = 0; i < dialog.tabs.size(); ++i) {
        const bool active = static_cast<int>(i) == dialog.activeTab;
        wattrset(window, active ? A_REVERSE | A_BOLD : A_NORMAL);
        put(window, f.row + 1, column, u" " + dialog.tabs[i] + u" ");
        column += cellWidth(dialog.tabs[i]) + 3;
    }
    if (!dialog.tabs.empty()) {
        wattrset(window, A_DIM);
        put(window, f.row + 1, column, u"(PgDn/PgUp)");
    }
    for (const WidgetView& widget : dialog.widgets) {
        wattrset(window, widgetAttributes(widget));
        for (std::size_t r = 0; r < widget.rows.size(); ++r)
            put(window, widget.rect.row + static_cast<int>(r), widget.rect.column, widget.rows[r]);
    }
    if (!dialog.message.empty()) {
        wattrset(window, A_BOLD);
        put(window, f.row + f.height - 1, f.column + 2, u" " + dialog.message + u" ");
    }
    wattrset(window, A_NORMAL);
}

}  // namespace

void DesignPainter::paint(WINDOW* window, const DesignView& view) {
    if (last_ && *last_ == view) return;
    fields_.invalidate();
    fields_.paint(window, view.screen);
    if (view.selection) drawSelection(window, *view.selection);
    if (view.dialog) drawDialog(window, *view.dialog);
    std::optional<CellPoint> caret = view.dialog ? view.dialog->caret : std::nullopt;
    if (!view.dialog && view.statusCaret)
        caret = CellPoint{getmaxy(window) - 1, std::min(*view.statusCaret, getmaxx(window) - 1)};
    curs_set(caret ? 1 : 0);
    if (caret) wmove(window, caret->row, caret->column);
    last_ = view;
}

}  // namespace quelta::terminal
