#include "qt/EditPainter.h"

#include <QFontMetricsF>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "qt/QtColour.h"
#include "view/ScrollThumb.h"

namespace quelta::qt {
namespace {

int borderWidth(view::Border border) {
    switch (border) {
        case view::Border::None:
            return 0;
        case view::Border::Plain:
            return 1;
        case view::Border::Sunken:
            return 2;
    }
    return 0;
}

constexpr int kPadding = 1;  // between the border and the text

void paintBorder(QPainter& painter, const QRect& frame, view::Border border,
                 const QPalette& palette) {
    if (border == view::Border::None) return;
    painter.setBrush(Qt::NoBrush);
    if (border == view::Border::Plain) {
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        return;
    }
    // Sunken: dark at the top and left, where the light does not reach, light below.
    const QRect outer = frame.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
}

void paintBar(QPainter& painter, const QRect& track, const view::ScrollRange& range,
              Qt::Orientation orientation, const QPalette& palette) {
    painter.fillRect(track, palette.color(QPalette::Midlight));
    const bool vertical = orientation == Qt::Vertical;
    const view::Thumb thumb = view::scrollThumb(range, vertical ? track.height() : track.width());
    const QRect knob =
        vertical
            ? QRect(track.left() + 1, track.top() + thumb.start, track.width() - 2, thumb.length)
            : QRect(track.left() + thumb.start, track.top() + 1, thumb.length, track.height() - 2);
    painter.fillRect(knob, palette.color(QPalette::Dark));
}

void paintRow(QPainter& painter, const PixelLayout& layout, const view::ViewRow& row, int index,
              const QFontMetricsF& metrics, const QPalette& palette, const QColor& text) {
    const QString shown = QString::fromStdU16String(row.text);
    const double top = layout.text.top() + index * layout.lineHeight;
    const double left = layout.text.left() + row.x;
    const double baseline = top + metrics.ascent();
    painter.setPen(text);
    painter.drawText(QPointF(left, baseline), shown);
    if (row.selectedTo <= row.selectedFrom) return;
    const double from = left + metrics.horizontalAdvance(shown.left(row.selectedFrom));
    const double to = left + metrics.horizontalAdvance(shown.left(row.selectedTo));
    const QRectF highlight(from, top, to - from, layout.lineHeight);
    painter.save();
    painter.setClipRect(highlight.intersected(QRectF(layout.text)));
    painter.fillRect(highlight, palette.color(QPalette::Highlight));
    painter.setPen(palette.color(QPalette::HighlightedText));
    painter.drawText(QPointF(left, baseline), shown);
    painter.restore();
}

}  // namespace

PixelLayout pixelLayout(const QRect& frame, view::Border border, view::ScrollBars bars,
                        double lineHeight) {
    PixelLayout layout;
    layout.frame = frame;
    layout.lineHeight = std::max(1.0, lineHeight);
    const int inset = borderWidth(border);
    QRect inside = frame.adjusted(inset, inset, -inset, -inset);
    // A bar needs more room than a line of text beside it to make sense.
    if (bars.vertical && inside.width() > 2 * kScrollBarExtent) {
        layout.vertical = QRect(inside.right() - kScrollBarExtent + 1, inside.top(),
                                kScrollBarExtent, inside.height());
        inside.setRight(inside.right() - kScrollBarExtent);
    }
    if (bars.horizontal && inside.height() > kScrollBarExtent + lineHeight) {
        layout.horizontal = QRect(inside.left(), inside.bottom() - kScrollBarExtent + 1,
                                  inside.width(), kScrollBarExtent);
        inside.setBottom(inside.bottom() - kScrollBarExtent);
        if (!layout.vertical.isEmpty()) layout.vertical.setBottom(inside.bottom());
    }
    layout.text = inside.adjusted(kPadding, 0, -kPadding, 0);
    return layout;
}

view::ViewMetrics pixelMetrics(const PixelLayout& layout, const QFont& font) {
    const QFontMetricsF metrics(font);
    return {std::max(1, static_cast<int>(layout.text.height() / layout.lineHeight)),
            static_cast<double>(layout.text.width()), 1.0, [metrics](StringView text) {
                return metrics.horizontalAdvance(
                    QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
            }};
}

void paintEditView(QPainter& painter, const PixelLayout& layout, const view::EditView& shown,
                   const QFont& font, const PaintOptions& options) {
    const QPalette& palette = options.palette;
    painter.fillRect(layout.frame, qtColour(shown.backColor, palette));
    paintBorder(painter, layout.frame, shown.border, palette);

    const QColor text = options.enabled ? qtColour(shown.foreColor, palette)
                                        : palette.color(QPalette::Disabled, QPalette::Text);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setClipRect(layout.text);
    for (int i = 0; i < static_cast<int>(shown.rows.size()); ++i)
        paintRow(painter, layout, shown.rows[static_cast<std::size_t>(i)], i, metrics, palette,
                 text);
    if (shown.caret && options.caretShown) {
        const double x = std::floor(layout.text.left() + shown.caret->x);
        const double top = layout.text.top() + shown.caret->row * layout.lineHeight;
        painter.fillRect(QRectF(x, top, 1, layout.lineHeight), text);
    }
    painter.restore();

    if (shown.vertical && !layout.vertical.isEmpty())
        paintBar(painter, layout.vertical, *shown.vertical, Qt::Vertical, palette);
    if (shown.horizontal && !layout.horizontal.isEmpty())
        paintBar(painter, layout.horizontal, *shown.horizontal, Qt::Horizontal, palette);
}

}  // namespace quelta::qt
