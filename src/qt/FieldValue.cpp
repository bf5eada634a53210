#include "qt/FieldValue.h"

#include <QDateTime>
#include <cmath>

#include "control/Enumerations.h"
#include "platform/region/Calendar.h"
#include "platform/runtime/Conversions.h"

namespace quelta::qt {
namespace {

// The platform's day 0, from which serial dates count.
const QDate kDayZero(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86'400'000.0;

bool isNumeric(int dataType) {
    return dataType == qltaNumeric || dataType == qltaSignedNumeric;
}

QVariant dateValue(double serial) {
    const DateParts parts = datePartsOf(serial);
    const QTime time(parts.hour, parts.minute, parts.second);
    // A serial without days is a time of day, as the platform's text of it shows.
    if (datePartOf(serial) == 0) return time;
    return QDateTime(QDate(parts.year, parts.month, parts.day), time);
}

std::optional<double> serialOf(const QDate& date, const QTime& time) {
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    const double serial = combineDateAndTime(static_cast<double>(kDayZero.daysTo(date)),
                                             time.msecsSinceStartOfDay() / kMillisecondsPerDay);
    if (serial < kMinDateSerial || serial > kMaxDateSerial) return std::nullopt;
    return serial;
}

std::optional<double> dateSerialOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QDateTime:
            return serialOf(value.toDateTime().date(), value.toDateTime().time());
        case QMetaType::QDate:
            return serialOf(value.toDate(), QTime(0, 0));
        case QMetaType::QTime:
            return serialOf(kDayZero, value.toTime());
        default:
            return std::nullopt;
    }
}

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return true;
        default:
            return false;
    }
}

}  // namespace

QVariant typedValue(int dataType, StringView stored, StringView text) {
    if (stored.empty()) return {};
    switch (dataType) {
        case qltaNumeric:
        case qltaSignedNumeric:
            if (const std::optional<double> number = tryTextToDouble(text)) return *number;
            return {};
        case qltaBoolean:
            return textToBoolean(text);
        case qltaDateTime:
            if (const std::optional<double> serial = tryTextToDate(text)) return dateValue(*serial);
            return {};
        default:
            return QString::fromStdU16String(String(text));
    }
}

std::optional<ValueWrite> valueWrite(int dataType, const QVariant& value) {
    if (value.isNull()) return ValueWrite{};
    if (value.typeId() == QMetaType::QString)
        return ValueWrite{true, value.toString().toStdU16String()};
    if (isNumeric(dataType) && isNumber(value)) {
        const double number = value.toDouble();
        if (!std::isfinite(number)) return std::nullopt;
        return ValueWrite{false, doubleToText(number)};
    }
    if (dataType == qltaBoolean && (value.typeId() == QMetaType::Bool || isNumber(value)))
        return ValueWrite{false, booleanToText(value.toBool())};
    if (dataType == qltaDateTime) {
        if (const std::optional<double> serial = dateSerialOf(value))
            return ValueWrite{false, dateToText(*serial)};
        return std::nullopt;
    }
    if (!isNumeric(dataType) && dataType != qltaBoolean && value.canConvert<QString>())
        return ValueWrite{false, value.toString().toStdU16String()};
    return std::nullopt;
}

}  // namespace quelta::qt
