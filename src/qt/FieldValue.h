#pragma once
// A field's value as a Qt value typed by its data type, and a Qt value as the text the
// field takes. Pure rules over the control's texts, in the thread's regional notation.

#include <QVariant>
#include <optional>

#include "platform/String.h"

namespace quelta::qt {

// `stored` is the control's stored text (empty: no value), `text` what its Text reads. A
// number for the numeric types, a QDateTime for a date (a QTime for a time of day alone), a
// bool for Boolean, a QString for the text types; a null QVariant for no value, and for an
// entry that does not convert yet (a date half typed).
QVariant typedValue(int dataType, StringView stored, StringView text);

// How a Qt value is written: as Text in the regional notation (numbers, dates, Booleans),
// or as Value (a string, whose decimal point the field turns into the region's).
struct ValueWrite {
    bool asValue = false;
    String text;
};

// Nothing for a value of a type the data type cannot hold (a QPoint, an infinite number,
// a date beyond the platform's calendar).
std::optional<ValueWrite> valueWrite(int dataType, const QVariant& value);

}  // namespace quelta::qt
