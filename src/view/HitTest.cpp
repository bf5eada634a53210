#include "view/HitTest.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/editbox/EditBox.h"

namespace quelta::view {
namespace {

// The caret stops of a row's text: between its characters, never inside a surrogate pair.
std::vector<std::size_t> caretStops(StringView text) {
    std::vector<std::size_t> stops{0};
    for (std::size_t at = 0; at < text.size();) {
        at += static_cast<std::size_t>(codePointAt(text, at).units);
        stops.push_back(at);
    }
    return stops;
}

// The stop nearest to `along`, from where the row's text starts: the first one whose next
// character's middle lies beyond the point. The widths grow with the stops, so the search
// halves.
std::size_t nearestStop(StringView text, double along, const ViewMetrics& metrics) {
    const std::vector<std::size_t> stops = caretStops(text);
    auto widthTo = [&](std::size_t stop) { return metrics.measure(text.substr(0, stop)); };
    std::size_t low = 0;
    std::size_t high = stops.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const double halfway = (widthTo(stops[middle]) + widthTo(stops[middle + 1])) / 2;
        if (along >= halfway) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return stops[low];
}

}  // namespace

std::optional<std::int32_t> characterAt(const EditView& view, const ViewMetrics& metrics, double x,
                                        double y, double rowHeight) {
    if (view.rows.empty()) return std::nullopt;
    const double rowIndex = rowHeight > 0 && std::isfinite(y) ? std::floor(y / rowHeight) : 0;
    const auto r = static_cast<std::size_t>(
        std::clamp(rowIndex, 0.0, static_cast<double>(view.rows.size() - 1)));
    const ViewRow& row = view.rows[r];
    const double along = std::isfinite(x) ? x - row.x : 0;
    std::size_t stop = nearestStop(row.text, along, metrics);
    // The end of a wrapped row is where the next one starts: its last stop stays on it.
    if (stop > 0 && stop == row.text.size() && r + 1 < view.rows.size() &&
        view.rows[r + 1].start == row.start + static_cast<std::int32_t>(stop)) {
        stop = codePointStartBefore(row.text, stop);
    }
    return row.start + static_cast<std::int32_t>(stop);
}

BoxPoint boxPointOf(EditBox& box, std::int32_t index) {
    const EditBox::Point at = box.positionOf(index);
    return {static_cast<float>(at.x), static_cast<float>(at.y + box.lineHeight() / 2)};
}

}  // namespace quelta::view
