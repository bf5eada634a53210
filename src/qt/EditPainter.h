#pragma once
// How the Qt widget draws a box's view (view/EditView.h): the frame and background by the
// widget's style, as a line edit's panel (so that style sheets and the platform's look
// apply to the 3-D and the flat border alike), each row's text with its selection
// highlighted, the caret, and the scroll bars. The layout in pixels comes first, since the
// view is built for the text area it leaves: inside the style's frame, with a line edit's
// margins, one row centred in a single-line box.

#include <QFont>
#include <QMargins>
#include <QPainter>
#include <QPalette>
#include <QRect>

#include "view/EditView.h"

class QWidget;

namespace quelta {
class EditBox;
class Label;
}  // namespace quelta

namespace quelta::qt {

inline constexpr int kScrollBarExtent = 12;
// Between the frame and the text, as a line edit keeps them: room for the caret before the
// first letter and after the last.
inline constexpr int kHorizontalMargin = 2;
inline constexpr int kVerticalMargin = 1;

struct PixelLayout {
    QRect frame;
    QRect inside;    // within the frame: the caret may stand here, left of the first letter
    QRect text;      // the text area, where the rows are drawn
    QRect vertical;  // the scroll bars' tracks; empty without them
    QRect horizontal;
    double lineHeight = 1;
};

// What the widget's style takes for the frame of a border (none for Border::None).
QMargins frameInsets(const QWidget& widget, view::Border border);

// `centred`: a single-line box, whose one row stands in the middle of the area.
PixelLayout pixelLayout(const QRect& frame, const QMargins& insets, view::ScrollBars bars,
                        double lineHeight, bool centred);
// The layout of a box drawn in the whole widget; `singleLine` as the control's MultiLine
// says, since a box aligned right or centred is a multi-line one inside.
PixelLayout fieldLayout(const QWidget& widget, EditBox& box, const Label& frameLabel,
                        bool singleLine);
// The text area for the view: the rows that fit (one at least) and Qt's measure of text.
view::ViewMetrics pixelMetrics(const PixelLayout& layout, const QFont& font);

struct PaintOptions {
    const QWidget* widget = nullptr;  // whose style and palette draw the frame; never null
    bool caretShown = true;           // the blinking caret's phase
    bool enabled = true;              // a disabled widget draws its text in the palette's grey
    bool readOnly = false;            // the style may draw a read-only panel apart
};

void paintEditView(QPainter& painter, const PixelLayout& layout, const view::EditView& shown,
                   const QFont& font, const PaintOptions& options);

}  // namespace quelta::qt
