#include "qt/FieldGeometry.h"

#include <QWidget>
#include <cmath>

#include "platform/editbox/EditBox.h"
#include "qt/QtTextMeasurer.h"
#include "view/HitTest.h"

namespace quelta::qt {
namespace {

QRect rowRect(const ShownField& shown, int row, double from, double width) {
    const PixelLayout& layout = shown.layout;
    return QRectF(layout.text.left() + from, layout.text.top() + row * layout.lineHeight,
                  std::max(1.0, width), layout.lineHeight)
        .toAlignedRect();
}

}  // namespace

ShownField shownField(const QWidget& widget, EditBox& box, const Label& frameLabel,
                      bool singleLine) {
    ShownField shown{qtFont(*box.font()), fieldLayout(widget, box, frameLabel, singleLine), {}, {}};
    shown.metrics = pixelMetrics(shown.layout, shown.font);
    shown.view = view::editView(box, frameLabel, shown.metrics);
    return shown;
}

QRect caretRect(const ShownField& shown) {
    if (shown.view.caret) return rowRect(shown, shown.view.caret->row, shown.view.caret->x, 1);
    const double x = shown.view.rows.empty() ? 0 : shown.view.rows.front().x;
    return rowRect(shown, 0, x, 1);
}

QRect characterRect(const ShownField& shown, std::int32_t index) {
    const auto& rows = shown.view.rows;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const view::ViewRow& shownRow = rows[static_cast<std::size_t>(row)];
        const std::int32_t within = index - shownRow.start;
        if (within < 0 || within >= static_cast<std::int32_t>(shownRow.text.size())) continue;
        const StringView text = shownRow.text;
        const double before =
            shown.metrics.measure(text.substr(0, static_cast<std::size_t>(within)));
        const double width =
            shown.metrics.measure(text.substr(static_cast<std::size_t>(within), 1));
        return rowRect(shown, row, shownRow.x + before, width);
    }
    return {};
}

std::optional<std::int32_t> characterAt(const ShownField& shown, QPoint point) {
    return view::characterAt(shown.view, shown.metrics, point.x() - shown.layout.text.left(),
                             point.y() - shown.layout.text.top(), shown.layout.lineHeight);
}

}  // namespace quelta::qt
