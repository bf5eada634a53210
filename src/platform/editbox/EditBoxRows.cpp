// The edit box's rows and measurements: layout upkeep, hit-testing and caret positions.

#include <algorithm>
#include <cmath>

#include "platform/editbox/EditBox.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {
namespace {}  // namespace

WrapOptions EditBox::wrapOptions() const {
    const bool narrowed = formatWidth_ > 0 && std::isfinite(formatWidth_);
    return WrapOptions{isMultiLine(), wordWraps(), narrowed ? formatWidth_ : properties_.width};
}

EditBox::Measurement::Measurement(EditBox& box)
    : characterWidth([&box](char32_t character) { return box.measureCharacter(character); }) {}

EditBox::Measurement& EditBox::measurement() {
    if (!measurement_) measurement_ = std::make_unique<Measurement>(*this);
    return *measurement_;
}

double EditBox::measureCharacter(char32_t character) {
    auto& widths = measurement_->widths;
    auto known = widths.find(character);
    if (known != widths.end()) return known->second;
    String unit;
    if (character >= 0x10000) {
        unit += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
        unit += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    } else {
        unit += static_cast<char16_t>(character);
    }
    const double width = std::max(0.0, textMeasurer().textWidth(*font(), unit));
    widths.emplace(character, width);
    return width;
}

bool EditBox::layoutIsCurrent() const {
    const Measurement* m = measurement_.get();
    return m && m->layoutValid && m->layout.options() == wrapOptions() &&
           &textMeasurer() == m->measuredWith && font().get() == m->measuredFont &&
           font()->revision() == m->measuredRevision;
}

void EditBox::ensureLayout() {
    Measurement& m = measurement();
    // A font changed in place, a new measurer or a new size make every width stale.
    const TextMeasurer* measurer = &textMeasurer();
    if (measurer != m.measuredWith || font().get() != m.measuredFont ||
        font()->revision() != m.measuredRevision) {
        m.widths.clear();
        m.characterWidth.forget();
        m.measuredWith = measurer;
        m.measuredFont = font().get();
        m.measuredRevision = font()->revision();
        m.layoutValid = false;
    }
    if (m.layoutValid && m.layout.options() == wrapOptions()) return;
    m.layout.layout(text(), wrapOptions(), m.characterWidth);
    m.layoutValid = true;
}

std::int32_t EditBox::rowCount() {
    ensureLayout();
    return rowLayout().rowCount();
}

std::int32_t EditBox::rowStart(std::int32_t row) {
    ensureLayout();
    return rowLayout().rowStart(std::clamp(row, 0, rowLayout().rowCount() - 1));
}

std::int32_t EditBox::rowLength(std::int32_t row) {
    ensureLayout();
    row = std::clamp(row, 0, rowLayout().rowCount() - 1);
    return rowLayout().rowEnd(text(), row) - rowLayout().rowStart(row);
}

std::int32_t EditBox::rowFromChar(std::int32_t index) {
    ensureLayout();
    return rowLayout().rowFromChar(std::clamp(index, 0, text_.size()));
}

double EditBox::lineHeight() const {
    return std::max(1.0, textMeasurer().lineHeight(*font()));
}

double EditBox::displayWidth(std::int32_t from, std::int32_t to) {
    double width = 0;
    if (isMasked()) {
        const double mask = characterWidth(properties_.passwordChar[0]);
        return mask * std::max(0, to - from);
    }
    for (std::int32_t i = from; i < to;) {
        const CodePoint character = codePointAt(text(), i);
        width += characterWidth(character.value);
        i += character.units;
    }
    return width;
}

// Right and centred rows start where their text leaves the rest of the box empty.
double EditBox::rowOffset(std::int32_t row) {
    const std::uint32_t alignment = style_ & (ES_CENTER | ES_RIGHT);
    if (alignment == 0) return 0;
    const double free = properties_.width -
                        displayWidth(rowLayout().rowStart(row), rowLayout().rowEnd(text(), row));
    if (free <= 0) return 0;
    return (alignment & ES_RIGHT) != 0 ? free : free / 2;
}

// The last caret stop of a row that is still drawn on it: before the CR LF, or before the
// hanging space of a wrapped row (the position behind it belongs to the next row).
std::int32_t EditBox::rowCaretEnd(std::int32_t row) {
    const std::int32_t end = rowLayout().rowEnd(text(), row);
    const bool softBreak = row + 1 < rowLayout().rowCount() && end == rowLayout().rowStart(row + 1);
    if (softBreak && end > rowLayout().rowStart(row) && text()[end - 1] == u' ') return end - 1;
    return end;
}

std::int32_t EditBox::hitTest(double x, double y) {
    ensureLayout();
    if (!std::isfinite(x)) x = 0;
    if (!std::isfinite(y)) y = 0;
    const double rowIndex = std::floor(y / lineHeight());
    const auto row = static_cast<std::int32_t>(
        std::clamp(rowIndex, 0.0, static_cast<double>(rowLayout().rowCount() - 1)));
    double edge = rowOffset(row);
    const std::int32_t end = rowCaretEnd(row);
    for (std::int32_t i = rowLayout().rowStart(row); i < end;) {
        // A mask character stands for each code unit, as the mask is drawn.
        const CodePoint character = isMasked() ? CodePoint{0, 1} : codePointAt(text(), i);
        const double width = isMasked() ? displayWidth(i, i + 1) : characterWidth(character.value);
        if (x < edge + width / 2) return i;
        edge += width;
        i += character.units;
    }
    return end;
}

EditBox::Point EditBox::positionOf(std::int32_t index) {
    ensureLayout();
    index = std::clamp(index, 0, text_.size());
    const std::int32_t row = rowLayout().rowFromChar(index);
    return Point{rowOffset(row) + displayWidth(rowLayout().rowStart(row), index),
                 row * lineHeight()};
}

bool EditBox::fitsSingleLine(StringView candidate) {
    ensureLayout();
    double width = 0;
    for (std::size_t i = 0; i < candidate.size();) {
        const CodePoint character =
            isMasked() ? CodePoint{properties_.passwordChar[0], 1} : codePointAt(candidate, i);
        width += characterWidth(character.value);
        if (width > properties_.width) return false;
        i += static_cast<std::size_t>(character.units);
    }
    return true;
}

}  // namespace quelta
