#include "view/ScrollThumb.h"

#include <algorithm>
#include <cmath>

namespace quelta::view {

Thumb scrollThumb(const ScrollRange& range, int track) {
    if (track < 1) return {0, 0};
    if (!(range.total > range.shown)) return {0, track};
    const int length =
        std::clamp(static_cast<int>(std::floor(track * range.shown / range.total)), 1, track);
    const double movable = std::max(1.0, range.total - range.shown);
    const int start =
        static_cast<int>(std::floor((track - length) * std::max(0.0, range.first) / movable));
    return {std::min(start, track - length), length};
}

}  // namespace quelta::view
