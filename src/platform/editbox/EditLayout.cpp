#include "platform/editbox/EditLayout.h"

#include <algorithm>

namespace quelta {
namespace {

bool isHangingSpace(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// Behind the next CR LF, or -1.
std::int32_t nextLineStart(StringView text, std::int32_t start) {
    for (std::size_t i = text.find(u'\r', static_cast<std::size_t>(start)); i != StringView::npos;
         i = text.find(u'\r', i + 1)) {
        if (i + 1 < text.size() && text[i + 1] == u'\n') return static_cast<std::int32_t>(i + 2);
    }
    return -1;
}

}  // namespace

// A wrap walks every character behind an edit up to where the rows meet the old ones again,
// which in a long paragraph can be most of the text: the loop reads units directly and
// decodes only surrogate pairs.
std::int32_t nextRowStart(StringView text, std::int32_t start, const WrapOptions& options,
                          const CharacterWidth& width) {
    if (!options.lineBreaks) return -1;
    if (!options.wrap) return nextLineStart(text, start);
    const auto size = static_cast<std::int32_t>(text.size());
    const double rowWidth = options.width;
    double x = 0;
    std::int32_t afterSpaces = -1;  // where the word behind the last spaces begins
    for (std::int32_t i = start; i < size;) {
        const char16_t unit = text[i];
        char32_t codePoint = unit;
        std::int32_t units = 1;
        if (unit == u'\r') {
            if (i + 1 < size && text[i + 1] == u'\n') return i + 2;
        } else if (isSurrogate(unit)) {
            const CodePoint pair = codePointAt(text, static_cast<std::size_t>(i));
            codePoint = pair.value;
            units = pair.units;
        }
        const double advance = width(codePoint);
        if (isHangingSpace(unit)) {
            x += advance;
            afterSpaces = ++i;
            continue;
        }
        if (x + advance > rowWidth && i > start) return afterSpaces >= 0 ? afterSpaces : i;
        x += advance;
        i += units;
    }
    return -1;
}

void EditLayout::layout(StringView text, const WrapOptions& options, const CharacterWidth& width) {
    options_ = options;
    starts_.assign(1, 0);
    for (std::int32_t next = nextRowStart(text, 0, options_, width); next >= 0;
         next = nextRowStart(text, next, options_, width)) {
        starts_.push_back(next);
    }
}

void EditLayout::update(StringView text, const EditChange& change, const CharacterWidth& width) {
    // A row's end depends on the text up to the character that did not fit, which may lie
    // up to two rows further on; three rows back is the first start the edit cannot move.
    const std::int32_t editedRow = rowFromChar(change.position);
    const auto first = static_cast<std::size_t>(std::max(0, editedRow - 3)) + 1;
    const std::int32_t delta = change.inserted - change.removed;
    const std::int32_t editEnd = change.position + change.inserted;

    fresh_.clear();
    std::size_t resume = starts_.size();  // first old row that stays, shifted
    auto searchFrom = starts_.begin() + static_cast<std::ptrdiff_t>(first);
    for (std::int32_t next = nextRowStart(text, starts_[first - 1], options_, width); next >= 0;
         next = nextRowStart(text, next, options_, width)) {
        if (next >= editEnd) {
            // Old starts are sorted and so are the new ones: each search starts where the
            // last one ended.
            searchFrom = std::lower_bound(searchFrom, starts_.end(), next - delta);
            if (searchFrom != starts_.end() && *searchFrom == next - delta) {
                resume = static_cast<std::size_t>(searchFrom - starts_.begin());
                break;
            }
        }
        fresh_.push_back(next);
    }
    // Put the new rows in place of the old ones between, moving the rest once.
    const std::size_t replaced = resume - first;
    const auto at = starts_.begin() + static_cast<std::ptrdiff_t>(first);
    if (fresh_.size() > replaced) {
        starts_.insert(at + static_cast<std::ptrdiff_t>(replaced), fresh_.size() - replaced, 0);
    } else {
        starts_.erase(at + static_cast<std::ptrdiff_t>(fresh_.size()),
                      at + static_cast<std::ptrdiff_t>(replaced));
    }
    std::copy(fresh_.begin(), fresh_.end(), starts_.begin() + static_cast<std::ptrdiff_t>(first));
    for (std::size_t i = first + fresh_.size(); i < starts_.size(); ++i)
        starts_[i] += delta;
}

std::int32_t EditLayout::rowEnd(StringView text, std::int32_t row) const {
    const auto size = static_cast<std::int32_t>(text.size());
    std::int32_t end = row + 1 < rowCount() ? starts_[row + 1] : size;
    if (end >= 2 && end - 2 >= starts_[row] && text[end - 2] == u'\r' && text[end - 1] == u'\n')
        end -= 2;
    return end;
}

std::int32_t EditLayout::rowFromChar(std::int32_t index) const {
    auto after = std::upper_bound(starts_.begin(), starts_.end(), index);
    if (after == starts_.begin()) return 0;
    return static_cast<std::int32_t>(after - starts_.begin()) - 1;
}

}  // namespace quelta
