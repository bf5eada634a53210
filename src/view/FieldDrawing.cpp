// What a host draws of a public field: the view of its live edit box, in UTF-8.
#include <algorithm>

#include "api/front/FieldCore.h"
#include "platform/window/SystemColours.h"
#include "quelta/Field.h"
#include "view/EditView.h"

namespace quelta {
namespace {

// The byte at which the UTF-16 index of a text starts in its UTF-8 form.
std::size_t byteIndex(StringView text, std::int32_t index) {
    const auto units = static_cast<std::size_t>(
        std::clamp<std::int32_t>(index, 0, static_cast<std::int32_t>(text.size())));
    return toUtf8(text.substr(0, units)).size();
}

// 0xRRGGBB, as hosts' toolkits take colours, from the platform's 0x00BBGGRR.
std::uint32_t rgb(std::uint32_t colour) {
    const std::uint32_t bgr = rgbOfColour(colour).value_or(0);
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

std::optional<ScrollPosition> scrollOf(const std::optional<view::ScrollRange>& range) {
    if (!range) return std::nullopt;
    return ScrollPosition{range->first, range->shown, range->total};
}

FieldBorder borderOf(view::Border border) {
    switch (border) {
        case view::Border::Plain:
            return FieldBorder::Plain;
        case view::Border::Sunken:
            return FieldBorder::Sunken;
        case view::Border::None:
            break;
    }
    return FieldBorder::None;
}

FieldDrawing drawingOf(const view::EditView& view) {
    FieldDrawing drawing;
    drawing.border = borderOf(view.border);
    drawing.grey = view.grey;
    drawing.focused = view.focused;
    drawing.background = rgb(view.backColor);
    drawing.foreground = rgb(view.foreColor);
    for (const view::ViewRow& row : view.rows) {
        drawing.rows.push_back({toUtf8(row.text), row.x, byteIndex(row.text, row.selectedFrom),
                                byteIndex(row.text, row.selectedTo)});
    }
    if (view.caret) {
        const StringView rowText =
            view.rows.empty()
                ? StringView()
                : StringView(
                      view.rows[static_cast<std::size_t>(std::clamp(
                                    view.caret->row, 0, static_cast<int>(view.rows.size()) - 1))]
                          .text);
        drawing.caret =
            DrawnCaret{view.caret->row, byteIndex(rowText, view.caret->index), view.caret->x};
    }
    drawing.vertical = scrollOf(view.vertical);
    drawing.horizontal = scrollOf(view.horizontal);
    return drawing;
}

}  // namespace

FieldDrawing Field::drawing(const DrawingArea& area) const {
    Quelta& control = detail::controlOf(*core_);
    EditBox* live = control.liveBox();
    if (live == nullptr) return {};
    view::ViewMetrics metrics{area.rows, area.width, area.caretWidth, nullptr};
    if (area.measure) {
        metrics.measure = [&area](StringView text) { return area.measure(toUtf8(text)); };
    } else {
        // Without a measure every character is one unit wide, as in a terminal.
        metrics.measure = [](StringView text) {
            return static_cast<double>(std::ranges::count_if(
                text, [](char16_t unit) { return unit < 0xDC00 || unit > 0xDFFF; }));
        };
    }
    return detail::guarded(
        [&] { return drawingOf(view::editView(*live, control.frameLabel(), metrics)); });
}

}  // namespace quelta
