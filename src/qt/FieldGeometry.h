#pragma once
// Where a field's characters stand on its widget, from the same view the widget draws:
// the caret's rectangle and a character's, and the character under a point. Input methods
// place their windows by these and screen readers show what they read.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <optional>

#include "qt/EditPainter.h"
#include "view/EditView.h"

class QWidget;

namespace quelta {
class EditBox;
class Label;
}  // namespace quelta

namespace quelta::qt {

struct ShownField {
    QFont font;
    PixelLayout layout;
    view::ViewMetrics metrics;
    view::EditView view;
};

// `singleLine` as for fieldLayout (EditPainter.h).
ShownField shownField(const QWidget& widget, EditBox& box, const Label& frameLabel,
                      bool singleLine);

// The caret's rectangle; at the start of the first row in view while the box has no caret.
QRect caretRect(const ShownField& shown);
// The rectangle of the character at `index` of the box's text; empty when it is not in view.
QRect characterRect(const ShownField& shown, std::int32_t index);
std::optional<std::int32_t> characterAt(const ShownField& shown, QPoint point);

}  // namespace quelta::qt
