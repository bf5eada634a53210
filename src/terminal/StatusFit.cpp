#include "terminal/StatusFit.h"

#include "terminal/CellWidth.h"

namespace quelta::terminal {
namespace {

// The least room worth a cut item: a few letters and the mark.
constexpr int kLeastCut = 4;

String cutWithMark(StringView text, int width) {
    if (cellWidth(text) <= width) return String(text);
    if (width <= 0) return {};
    return String(text.substr(0, unitsInCells(text, width - 1))) + u"\u2026";
}

}  // namespace

String fittedStatus(StringView head, const std::vector<StringView>& items, int width) {
    if (width <= 0) width = INT32_MAX;
    String line = cutWithMark(head, width);
    int used = cellWidth(line);
    bool first = true;
    for (StringView item : items) {
        const StringView gap = first ? StringView(u"  |  ") : StringView(u"  ");
        const int room = width - used - static_cast<int>(gap.size());
        const int cells = cellWidth(item);
        if (cells <= room) {
            line.append(gap).append(item);
            used += static_cast<int>(gap.size()) + cells;
        } else {
            if (first && room >= kLeastCut) line += String(gap) + cutWithMark(item, room);
            break;
        }
        first = false;
    }
    return line;
}

}  // namespace quelta::terminal
