#pragma once
// The sizes a field asks a Qt layout for, as a line edit asks: one line of its font with a
// line edit's margins inside the style's frame, seventeen letters wide; as wide as
// MaxLength characters where AutoSize asks for it; a few lines high when multi-line. The
// smallest size shows one wide character.

#include <QFont>
#include <QSize>

#include "view/EditView.h"

class QWidget;

namespace quelta::qt {

struct FieldSizing {
    QFont font;
    view::Border border = view::Border::Sunken;
    bool multiLine = false;
    bool autoSize = false;
    int maxLength = 0;     // 0: no limit
    bool numeric = false;  // measured in digits rather than letters
};

QSize fieldSizeHint(const QWidget& widget, const FieldSizing& sizing);
QSize fieldMinimumSizeHint(const QWidget& widget, const FieldSizing& sizing);

}  // namespace quelta::qt
