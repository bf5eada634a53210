#include "terminal/CellScale.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quelta::terminal {
namespace {

int roundedCells(double twips, double perCell) {
    if (!(twips > 0)) return 0;
    return std::max(1, static_cast<int>(std::lround(twips / perCell)));
}

int cellOf(double twips, double perCell) {
    return static_cast<int>(std::floor(twips / perCell + 0.5));
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > 10000) return std::nullopt;
    return value;
}

}  // namespace

int CellScale::columns(double twips) const {
    return roundedCells(twips, twipsPerColumn);
}
int CellScale::rows(double twips) const {
    return roundedCells(twips, twipsPerRow);
}
int CellScale::column(double twips) const {
    return cellOf(twips, twipsPerColumn);
}
int CellScale::row(double twips) const {
    return cellOf(twips, twipsPerRow);
}

CellScale evenRows(CellScale scale, std::vector<double> tops) {
    std::erase_if(tops, [](double top) { return !std::isfinite(top); });
    std::ranges::sort(tops);
    double pitch = 0;
    for (std::size_t i = 1; i < tops.size(); ++i) {
        const double gap = tops[i] - tops[i - 1];
        if (gap > 0 && (pitch == 0 || gap < pitch)) pitch = gap;
    }
    if (pitch == 0) return scale;
    const double rows = std::max(1.0, std::round(pitch / scale.twipsPerRow));
    const double row = pitch / rows;
    if (row < scale.twipsPerRow * 2 / 3 || row > scale.twipsPerRow * 3 / 2) return scale;
    scale.twipsPerRow = row;
    return scale;
}

std::optional<CellScale> parseCellScale(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    std::optional<int> across = wholeNumber(text.substr(0, x));
    std::optional<int> down = wholeNumber(text.substr(x + 1));
    if (!across || !down) return std::nullopt;
    return CellScale{static_cast<double>(*across), static_cast<double>(*down)};
}

}  // namespace quelta::terminal
