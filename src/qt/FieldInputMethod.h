#pragma once
// What an input method learns from a field (QWidget::inputMethodQuery): where the caret
// stands, the text around it (as shown: a password stays masked), the caret and the other
// end of the selection, and hints from the data type: digits for whole numbers, formatted
// numbers where a sign or decimals may be typed, date and time hints for dates.

#include <QString>
#include <QVariant>
#include <Qt>

class QWidget;

namespace quelta {
class EditBox;
class Label;
}  // namespace quelta

namespace quelta::qt {

struct InputFacts {
    int dataType = 0;
    int scaleDigits = 0;
    QString format;
    bool masked = false;
    bool singleLine = true;
};

Qt::InputMethodHints inputMethodHints(const InputFacts& facts);

// Null for a query a field has no answer to, so that the widget's default answers it.
QVariant fieldInputMethodQuery(Qt::InputMethodQuery query, const QWidget& widget, EditBox& box,
                               const Label& frameLabel, const InputFacts& facts);

}  // namespace quelta::qt
