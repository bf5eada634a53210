#include "terminal/DesignLayout.h"

#include <algorithm>
#include <string>

namespace quelta::terminal {
namespace {

// The column a new control takes on an empty form: room for a caption before it.
constexpr int kFirstColumn = 20;

float clampedAtZero(double twips) {
    return static_cast<float>(std::max(0.0, twips));
}

}  // namespace

TwipsRect movedByCells(TwipsRect place, int columns, int rows, const CellScale& scale) {
    place.left = clampedAtZero(place.left + scale.twipsOfColumns(columns));
    place.top = clampedAtZero(place.top + scale.twipsOfRows(rows));
    return place;
}

TwipsRect sizedByCells(TwipsRect place, int columns, int rows, const CellScale& scale) {
    place.width = static_cast<float>(
        std::max(scale.twipsOfColumns(1), place.width + scale.twipsOfColumns(columns)));
    place.height =
        static_cast<float>(std::max(scale.twipsOfRows(1), place.height + scale.twipsOfRows(rows)));
    return place;
}

String freshControlName(const std::function<bool(StringView)>& taken) {
    for (int number = 1;; ++number) {
        String name = u"txtField" + fromUtf8(std::to_string(number));
        if (!taken(name)) return name;
    }
}

TwipsRect freePlace(const std::vector<TwipsRect>& taken, float width, float height,
                    const CellScale& scale) {
    if (taken.empty()) {
        return {static_cast<float>(scale.twipsOfColumns(kFirstColumn)),
                static_cast<float>(scale.twipsOfRows(1)), width, height};
    }
    int column = scale.column(taken.front().left);
    int row = 0;
    for (const TwipsRect& place : taken) {
        column = std::min(column, scale.column(place.left));
        row = std::max(row, scale.row(place.top) + scale.rows(place.height));
    }
    return {static_cast<float>(scale.twipsOfColumns(column)),
            static_cast<float>(scale.twipsOfRows(row)), width, height};
}

}  // namespace quelta::terminal
