#pragma once
// How the Qt widget draws a box's view (view/EditView.h) with QPainter: the border
// (a line for a plain one, a shaded bevel for a sunken one), the background (the grey of a
// field that cannot be edited included), each row's text with its selection highlighted,
// the caret, and the scroll bars. The layout in pixels comes first, since the view is
// built for the text area it leaves.

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QRect>

#include "view/EditView.h"

namespace quelta::qt {

inline constexpr int kScrollBarExtent = 12;

struct PixelLayout {
    QRect frame;
    QRect text;      // the text area, where the rows are drawn
    QRect vertical;  // the scroll bars' tracks; empty without them
    QRect horizontal;
    double lineHeight = 1;
};

PixelLayout pixelLayout(const QRect& frame, view::Border border, view::ScrollBars bars,
                        double lineHeight);
// The text area for the view: the rows that fit (one at least) and Qt's measure of text.
view::ViewMetrics pixelMetrics(const PixelLayout& layout, const QFont& font);

struct PaintOptions {
    QPalette palette;        // the widget's
    bool caretShown = true;  // the blinking caret's phase
    bool enabled = true;     // a disabled widget draws its text in the palette's grey
};

void paintEditView(QPainter& painter, const PixelLayout& layout, const view::EditView& shown,
                   const QFont& font, const PaintOptions& options);

}  // namespace quelta::qt
