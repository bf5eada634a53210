#include "qt/EditPainter.h"

#include <QFontMetricsF>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/editbox/EditBox.h"
#include "platform/fonts/TextMeasurer.h"
#include "qt/QtColour.h"
#include "view/ScrollThumb.h"

namespace quelta::qt {
namespace {

QStyleOptionFrame frameOption(const QWidget& widget, const QRect& rect, view::Border border) {
    QStyleOptionFrame option;
    option.initFrom(&widget);
    option.rect = rect;
    option.lineWidth =
        border == view::Border::None
            ? 0
            : widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &widget);
    option.midLineWidth = 0;
    if (border == view::Border::Sunken) option.state |= QStyle::State_Sunken;
    if (border == view::Border::Plain) option.features = QStyleOptionFrame::Flat;
    return option;
}

void paintFrame(QPainter& painter, const QRect& frame, view::Border border,
                const QColor& background, const PaintOptions& options) {
    if (border == view::Border::None) {
        painter.fillRect(frame, background);
        return;
    }
    const QWidget& widget = *options.widget;
    QStyleOptionFrame option = frameOption(widget, frame, border);
    option.palette.setColor(QPalette::Base, background);
    if (options.readOnly) option.state |= QStyle::State_ReadOnly;
    widget.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &widget);
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

QMargins frameInsets(const QWidget& widget, view::Border border) {
    if (border == view::Border::None) return {};
    // Measured on a rectangle of its own, so that a widget not yet sized gets the same.
    const QRect probe(0, 0, 200, 100);
    const QStyleOptionFrame option = frameOption(widget, probe, border);
    const QRect contents =
        widget.style()->subElementRect(QStyle::SE_LineEditContents, &option, &widget);
    if (!contents.isValid() || !probe.contains(contents)) {
        return {option.lineWidth, option.lineWidth, option.lineWidth, option.lineWidth};
    }
    return {contents.left() - probe.left(), contents.top() - probe.top(),
            probe.right() - contents.right(), probe.bottom() - contents.bottom()};
}

PixelLayout pixelLayout(const QRect& frame, const QMargins& insets, view::ScrollBars bars,
                        double lineHeight, bool centred) {
    PixelLayout layout;
    layout.frame = frame;
    layout.lineHeight = std::max(1.0, lineHeight);
    QRect inside = frame.marginsRemoved(insets);
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
    layout.inside = inside;
    QRect text =
        inside.adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
    // A line edit taller than its line shows the line in the middle, as Qt's do.
    const int row = static_cast<int>(std::ceil(layout.lineHeight));
    if (centred && text.height() > row) {
        text.setTop(text.top() + (text.height() - row + 1) / 2);
        text.setHeight(row);
    } else if (centred && text.height() < row) {
        // Too low for the margins: the line takes the whole inside, clipped at its foot.
        text.setTop(inside.top());
        text.setBottom(inside.bottom());
    }
    layout.text = text;
    return layout;
}

PixelLayout fieldLayout(const QWidget& widget, EditBox& box, const Label& frameLabel,
                        bool singleLine) {
    const view::Border border = view::borderOf(box, frameLabel);
    return pixelLayout(widget.rect(), frameInsets(widget, border), view::scrollBarsOf(box),
                       box.lineHeight() / twipsPerPixelY(), singleLine);
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
    const QPalette& palette = options.widget->palette();
    paintFrame(painter, layout.frame, shown.border, qtColour(shown.backColor, palette), options);

    const QColor text = options.enabled ? qtColour(shown.foreColor, palette)
                                        : palette.color(QPalette::Disabled, QPalette::Text);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setClipRect(layout.text);
    for (int i = 0; i < static_cast<int>(shown.rows.size()); ++i)
        paintRow(painter, layout, shown.rows[static_cast<std::size_t>(i)], i, metrics, palette,
                 text);
    painter.restore();
    // The caret stands in the pixel before the letter it precedes, so that it never covers
    // the letter; at the start of the text that pixel is the margin's.
    if (shown.caret && options.caretShown) {
        const double x = std::floor(layout.text.left() + shown.caret->x) - 1;
        const double top = layout.text.top() + shown.caret->row * layout.lineHeight;
        painter.save();
        painter.setClipRect(layout.inside);
        painter.fillRect(QRectF(x, top, 1, layout.lineHeight), text);
        painter.restore();
    }

    if (shown.vertical && !layout.vertical.isEmpty())
        paintBar(painter, layout.vertical, *shown.vertical, Qt::Vertical, palette);
    if (shown.horizontal && !layout.horizontal.isEmpty())
        paintBar(painter, layout.horizontal, *shown.horizontal, Qt::Horizontal, palette);
}

}  // namespace quelta::qt
