#include "qt/FieldSizeHint.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>
#include <algorithm>

#include "qt/EditPainter.h"

namespace quelta::qt {
namespace {

constexpr int kTypicalLetters = 17;  // a line edit's width, in its font's 'x'
constexpr int kMultiLineRows = 4;
constexpr int kCaretRoom = 1;

// The whole widget around a text area of `text`, as the style frames a line edit.
QSize framed(const QWidget& widget, const FieldSizing& sizing, QSize text) {
    text += QSize(2 * kHorizontalMargin + kCaretRoom, 2 * kVerticalMargin);
    const QMargins insets = frameInsets(widget, sizing.border);
    QSize whole = text.grownBy(insets);
    if (sizing.border == view::Border::None) return whole;
    // The style may want more than its frame's width (a native look's minimum height).
    QStyleOptionFrame option;
    option.initFrom(&widget);
    option.rect = QRect(QPoint(0, 0), whole);
    option.lineWidth = insets.left();
    const QSize styled =
        widget.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &widget);
    return whole.expandedTo(styled);
}

int lineHeight(const QFontMetrics& metrics) {
    return std::max(metrics.height(), 14);
}

}  // namespace

QSize fieldSizeHint(const QWidget& widget, const FieldSizing& sizing) {
    const QFontMetrics metrics(sizing.font);
    const QChar typical = sizing.numeric ? QLatin1Char('0') : QLatin1Char('x');
    const bool fitsMaxLength = sizing.autoSize && sizing.maxLength > 0 && !sizing.multiLine;
    const int letters = fitsMaxLength ? sizing.maxLength : kTypicalLetters;
    const int rows = sizing.multiLine ? kMultiLineRows : 1;
    QSize hint = framed(widget, sizing,
                        {metrics.horizontalAdvance(typical) * letters, lineHeight(metrics) * rows});
    if (sizing.multiLine) hint.rwidth() += kScrollBarExtent;
    return hint;
}

QSize fieldMinimumSizeHint(const QWidget& widget, const FieldSizing& sizing) {
    const QFontMetrics metrics(sizing.font);
    return framed(widget, sizing, {metrics.maxWidth(), lineHeight(metrics)});
}

}  // namespace quelta::qt
