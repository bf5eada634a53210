#include "terminal/CursesPainter.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "terminal/CellWidth.h"
#include "terminal/TerminalColour.h"

namespace quelta::terminal {
namespace {

void put(WINDOW* window, int row, int column, StringView text) {
    mvwaddstr(window, row, column, toUtf8(text).c_str());
}

// Below `bottom` lie the event pane and the status line, which the form does not draw over.
int lastRow(WINDOW* window, int bottom) {
    return std::min(bottom, getmaxy(window));
}

// Writes `text` from `column`, cut to what fits between the edges; a wide character cut by
// the left edge leaves a blank.
void putClipped(WINDOW* window, int row, int column, StringView text, int bottom = INT_MAX) {
    if (row < 0 || row >= lastRow(window, bottom)) return;
    std::size_t skipped = 0;
    while (column < 0 && skipped < text.size()) {
        const CodePoint c = codePointAt(text, skipped);
        column += cellWidth(c.value);
        skipped += static_cast<std::size_t>(c.units);
    }
    if (column < 0) return;
    const int room = getmaxx(window) - column;
    if (room <= 0) return;
    text = text.substr(skipped);
    put(window, row, column, text.substr(0, unitsInCells(text, room)));
    if (skipped > 0 && column > 0) mvwhline(window, row, 0, ' ', column);
}

void line(WINDOW* window, int row, int column, chtype character, int length, int bottom) {
    const int from = std::max(0, column);
    const int to = std::min(column + length, getmaxx(window));
    if (row < 0 || row >= lastRow(window, bottom) || to <= from) return;
    mvwhline(window, row, from, character, to - from);
}

void upright(WINDOW* window, int row, int column, chtype character, int length, int bottom) {
    const int from = std::max(0, row);
    const int to = std::min(row + length, lastRow(window, bottom));
    if (column < 0 || column >= getmaxx(window) || to <= from) return;
    mvwvline(window, from, column, character, to - from);
}

void cell(WINDOW* window, int row, int column, chtype character, int bottom) {
    line(window, row, column, character, 1, bottom);
}

void fill(WINDOW* window, int row, int column, int width, int bottom = INT_MAX) {
    line(window, row, column, ' ', width, bottom);
}

// The words of `text` in lines of at most `width` cells; a longer word is cut.
std::vector<String> wrappedWords(StringView text, int width) {
    std::vector<String> lines(1);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(u' ', at), text.size());
        const StringView word = text.substr(at, end - at);
        at = end + 1;
        if (!lines.back().empty() && cellWidth(lines.back()) + 1 + cellWidth(word) > width)
            lines.emplace_back();
        if (!lines.back().empty()) lines.back() += u' ';
        lines.back() += word.substr(0, unitsInCells(word, width));
    }
    return lines;
}

}  // namespace

void drawRing(WINDOW* window, const CellRect& frame, attr_t topAndLeft, int bottom) {
    const CellRect& f = frame;
    const int right = f.column + f.width - 1;
    const int low = f.row + f.height - 1;
    wattron(window, topAndLeft);
    line(window, f.row, f.column + 1, ACS_HLINE, f.width - 2, bottom);
    upright(window, f.row + 1, f.column, ACS_VLINE, f.height - 2, bottom);
    cell(window, f.row, f.column, ACS_ULCORNER, bottom);
    cell(window, f.row, right, ACS_URCORNER, bottom);
    cell(window, low, f.column, ACS_LLCORNER, bottom);
    wattroff(window, topAndLeft);
    line(window, low, f.column + 1, ACS_HLINE, f.width - 2, bottom);
    upright(window, f.row + 1, right, ACS_VLINE, f.height - 2, bottom);
    cell(window, low, right, ACS_LRCORNER, bottom);
}

CursesPainter::CursesPainter() {
    if (!has_colors() || start_color() == ERR) return;
    use_default_colors();
    colours_ = true;
    palette_ = COLORS;
    init_pair(kField, COLOR_BLACK, COLOR_WHITE);
    init_pair(kFieldGrey, COLOR_WHITE, COLOR_BLACK);
    init_pair(kSelection, COLOR_WHITE, COLOR_BLUE);
    init_pair(kCaption, -1, -1);
    init_pair(kStatus, COLOR_BLACK, COLOR_GREEN);
    init_pair(kPane, COLOR_YELLOW, -1);
}

attr_t CursesPainter::attributes(Role role) const {
    if (colours_) return static_cast<attr_t>(COLOR_PAIR(role));
    switch (role) {
        case kField:
            return A_UNDERLINE;
        case kFieldGrey:
            return A_DIM;
        case kFieldFocused:
            return A_UNDERLINE | A_BOLD;
        case kSelection:
            return A_REVERSE;
        case kStatus:
            return A_REVERSE;
        default:
            return A_NORMAL;
    }
}

attr_t CursesPainter::fieldAttributes(const FieldView& field) {
    // Eight colours show the window's white and the button face's grey alike, so a grey
    // field keeps a pair of its own there.
    if (!colours_ || (field.grey && palette_ < 16)) {
        if (field.grey) return attributes(kFieldGrey);
        return attributes(field.focused ? kFieldFocused : kField);
    }
    const attr_t pair = colourPair(field.backColor, field.foreColor);
    return field.focused ? pair | A_BOLD : pair;
}

// A pair is made the first time a field needs its colours, and found by them after that,
// since a field is drawn in many pieces; past the terminal's supply a field takes the
// plain field pair.
attr_t CursesPainter::colourPair(std::uint32_t backColor, std::uint32_t foreColor) {
    const std::pair key(backColor, foreColor);
    if (auto found = pairs_.find(key); found != pairs_.end()) return found->second;
    const int number = kFirstFreePair + static_cast<int>(pairs_.size());
    attr_t pair = attributes(kField);
    if (number < std::min(COLOR_PAIRS, 256)) {
        const TerminalColours colours = fieldTerminalColours(backColor, foreColor, palette_);
        init_pair(static_cast<short>(number), colours.fore, colours.back);
        pair = static_cast<attr_t>(COLOR_PAIR(number));
    }
    pairs_.emplace(key, pair);
    return pair;
}

int CursesPainter::paint(WINDOW* window, const ScreenView& view) {
    if (!view.tooSmall.empty()) {
        if (!last_ || last_->tooSmall != view.tooSmall) drawMessage(window, view.tooSmall);
        curs_set(0);
        last_ = view;
        return 0;
    }
    // The form comes back whole where the pane or the message leave it, or it moves.
    if (last_ && (last_->paneOpen != view.paneOpen || last_->paneRows != view.paneRows ||
                  last_->formRows != view.formRows || !last_->tooSmall.empty()))
        last_.reset();
    if (!last_) werase(window);
    bottom_ = view.formRows > 0 ? view.formRows : getmaxy(window) - 1;
    int drawn = 0;
    const std::size_t count = std::max(view.fields.size(), last_ ? last_->fields.size() : 0);
    for (std::size_t i = 0; i < count; ++i) {
        const FieldView* now = i < view.fields.size() ? &view.fields[i] : nullptr;
        const FieldView* before = last_ && i < last_->fields.size() ? &last_->fields[i] : nullptr;
        if (now && before && *now == *before) continue;
        if (before) eraseField(window, *before);
        if (now) {
            drawField(window, *now);
            ++drawn;
        }
    }
    // The pane lies over the form's lower rows, so a field drawn anew may have covered it
    // where the form is not kept above it.
    const bool covered = drawn > 0 && view.formRows == 0;
    if (view.paneOpen && view.paneRows > 0 && (covered || !last_ || last_->pane != view.pane))
        drawPane(window, view.pane, view.paneRows);
    if (!last_ || last_->status != view.status) drawStatus(window, view.status);
    placeCursor(window, view);
    last_ = view;
    return drawn;
}

void CursesPainter::eraseField(WINDOW* window, const FieldView& field) {
    wattrset(window, A_NORMAL);
    const int captionWidth = cellWidth(field.caption) + 1;
    for (int r = 0; r < field.frame.height; ++r) {
        fill(window, field.frame.row + r, field.frame.column, field.frame.width, bottom_);
    }
    fill(window, field.text.row, field.frame.column - captionWidth, captionWidth, bottom_);
}

void CursesPainter::drawField(WINDOW* window, const FieldView& field) {
    // The caption ends one cell before the frame; what does not fit loses its start.
    wattrset(window, attributes(kCaption));
    const int room = std::max(0, field.frame.column - 1);
    const int captionCells = cellWidth(field.caption);
    StringView caption = field.caption;
    if (captionCells > room) caption = caption.substr(unitsInCells(caption, captionCells - room));
    putClipped(window, field.text.row, field.frame.column - 1 - cellWidth(caption), caption,
               bottom_);

    drawBorder(window, field);
    for (int i = 0; i < static_cast<int>(field.rows.size()); ++i)
        drawRow(window, field, i);
    drawScrollBar(window, field);
    wattrset(window, A_NORMAL);
}

void CursesPainter::drawBorder(WINDOW* window, const FieldView& field) {
    if (field.border == Border::None) return;
    const CellRect& f = field.frame;
    wattrset(window, fieldAttributes(field));
    if (f.height < 3) {
        // Too low for a ring of lines: the border is a mark at each end of the field.
        const StringView left = field.border == Border::Plain ? u"[" : u"\u2595";
        const StringView right = field.border == Border::Plain ? u"]" : u"\u258F";
        for (int r = 0; r < f.height; ++r) {
            putClipped(window, f.row + r, f.column, left, bottom_);
            putClipped(window, f.row + r, f.column + f.width - 1, right, bottom_);
        }
        return;
    }
    drawRing(window, f, field.border == Border::Sunken ? A_DIM : A_NORMAL, bottom_);
}

void CursesPainter::drawRow(WINDOW* window, const FieldView& field, int index) {
    const DrawnRow& row = field.rows[static_cast<std::size_t>(index)];
    const int y = field.text.row + index;
    const StringView text = row.text;
    const std::size_t from = unitsInCells(text, row.selectedFrom);
    const std::size_t to = unitsInCells(text, row.selectedTo);
    wattrset(window, fieldAttributes(field));
    putClipped(window, y, field.text.column, text.substr(0, from), bottom_);
    wattrset(window, attributes(kSelection));
    putClipped(window, y, field.text.column + row.selectedFrom, text.substr(from, to - from),
               bottom_);
    wattrset(window, fieldAttributes(field));
    putClipped(window, y, field.text.column + row.selectedTo, text.substr(to), bottom_);
}

// The vertical bar in the column right of the text area, the horizontal one in the row
// below it; the cell where both would meet stays blank.
void CursesPainter::drawScrollBar(WINDOW* window, const FieldView& field) {
    if (field.horizontalBar) {
        const int row = field.text.row + field.text.height;
        for (int c = 0; c < field.text.width; ++c) {
            const bool thumb =
                c >= field.horizontalBar->thumbColumn &&
                c < field.horizontalBar->thumbColumn + field.horizontalBar->thumbWidth;
            wattrset(window, fieldAttributes(field));
            cell(window, row, field.text.column + c, thumb ? ACS_BLOCK : ACS_CKBOARD, bottom_);
        }
        if (field.scrollBar) cell(window, row, field.text.column + field.text.width, ' ', bottom_);
    }
    if (!field.scrollBar) return;
    const int column = field.text.column + field.text.width;
    for (int r = 0; r < field.text.height; ++r) {
        const bool thumb = r >= field.scrollBar->thumbRow &&
                           r < field.scrollBar->thumbRow + field.scrollBar->thumbHeight;
        wattrset(window, fieldAttributes(field));
        cell(window, field.text.row + r, column, thumb ? ACS_BLOCK : ACS_CKBOARD, bottom_);
    }
}

void CursesPainter::drawStatus(WINDOW* window, const String& status) {
    const int row = getmaxy(window) - 1;
    wattrset(window, attributes(kStatus));
    fill(window, row, 0, getmaxx(window));
    putClipped(window, row, 0, status);
    wattrset(window, A_NORMAL);
}

void CursesPainter::drawMessage(WINDOW* window, const String& message) {
    werase(window);
    wattrset(window, A_BOLD);
    const std::vector<String> lines = wrappedWords(message, getmaxx(window));
    const int top = std::max(0, (getmaxy(window) - static_cast<int>(lines.size())) / 2);
    for (std::size_t i = 0; i < lines.size(); ++i)
        putClipped(window, top + static_cast<int>(i), 0, lines[i]);
    wattrset(window, A_NORMAL);
}

void CursesPainter::drawPane(WINDOW* window, const std::vector<String>& pane, int rows) {
    const int top = std::max(0, getmaxy(window) - 1 - rows);
    wattrset(window, attributes(kPane));
    mvwhline(window, top, 0, ACS_HLINE, getmaxx(window));
    putClipped(window, top, 2, u" events and changes (F2 closes) ");
    const int shown = std::min<int>(rows - 1, static_cast<int>(pane.size()));
    for (int i = 0; i < rows - 1; ++i) {
        fill(window, top + 1 + i, 0, getmaxx(window));
        if (i < shown)
            putClipped(window, top + 1 + i, 1,
                       pane[pane.size() - static_cast<std::size_t>(shown - i)]);
    }
    wattrset(window, A_NORMAL);
}

void CursesPainter::placeCursor(WINDOW* window, const ScreenView& view) {
    for (const FieldView& field : view.fields) {
        if (field.caret && field.caret->row >= 0 && field.caret->row < bottom_) {
            curs_set(1);
            wmove(window, field.caret->row, field.caret->column);
            return;
        }
    }
    curs_set(0);
}

}  // namespace quelta::terminal
