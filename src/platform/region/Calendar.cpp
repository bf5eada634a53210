#include "platform/region/Calendar.h"

#include <chrono>
#include <cmath>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

namespace chr = std::chrono;

// Serial day 0 is 30 December 1899.
constexpr chr::sys_days kSerialEpoch = chr::sys_days(chr::year(1899) / 12 / 30);

int windowedYear(int year) {
    if (year >= 0 && year <= 29) return year + 2000;
    if (year >= 30 && year <= 99) return year + 1900;
    return year;
}

double serialOfDay(chr::sys_days day) {
    return static_cast<double>((day - kSerialEpoch).count());
}

}  // namespace

double dateSerial(int year, int month, int day) {
    // Roll months over into years first, then let day arithmetic carry the rest.
    long long totalMonths = static_cast<long long>(windowedYear(year)) * 12 + (month - 1);
    long long rolledYear = totalMonths >= 0 ? totalMonths / 12 : -((-totalMonths + 11) / 12);
    int rolledMonth = static_cast<int>(totalMonths - rolledYear * 12) + 1;
    if (rolledYear < -30000 || rolledYear > 30000) raiseError(kErrInvalidProcedureCall);
    chr::sys_days first = chr::sys_days(chr::year(static_cast<int>(rolledYear)) / rolledMonth / 1);
    double serial = serialOfDay(first) + (static_cast<double>(day) - 1);
    if (serial < kMinDateSerial || serial > kMaxDateSerial) raiseError(kErrInvalidProcedureCall);
    return serial;
}

double timeSerial(int hour, int minute, int second) {
    double seconds = static_cast<double>(hour) * 3600 + static_cast<double>(minute) * 60 + second;
    double serial = seconds / 86400.0;
    if (serial < kMinDateSerial || serial > kMaxDateSerial) raiseError(kErrOverflow);
    return serial;
}

double combineDateAndTime(double date, double timeOfDay) {
    return date >= 0 ? date + timeOfDay : date - timeOfDay;
}

double datePartOf(double serial) {
    return std::trunc(serial);
}

double timePartOf(double serial) {
    return std::fabs(serial - std::trunc(serial));
}

DateParts datePartsOf(double serial) {
    if (!(serial >= kMinDateSerial - 1 && serial <= kMaxDateSerial + 1)) raiseError(kErrOverflow);
    double wholeDays = std::trunc(serial);
    long long secondsOfDay = std::llround(std::fabs(serial - wholeDays) * 86400.0);
    if (secondsOfDay >= 86400) {  // rounding reached the next midnight
        secondsOfDay -= 86400;
        wholeDays += serial >= 0 ? 1 : -1;
    }
    chr::sys_days day = kSerialEpoch + chr::days(static_cast<long long>(wholeDays));
    chr::year_month_day ymd(day);
    // The calendar ends where the conversions end: a serial past 31 December 9999 (or one
    // that rounds into 1 January 10000) is no date, nor one before 1 January 100.
    if (ymd.year() < chr::year(100) || ymd.year() > chr::year(9999)) raiseError(kErrOverflow);
    DateParts parts;
    parts.year = static_cast<int>(ymd.year());
    parts.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    parts.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    parts.hour = static_cast<int>(secondsOfDay / 3600);
    parts.minute = static_cast<int>(secondsOfDay / 60 % 60);
    parts.second = static_cast<int>(secondsOfDay % 60);
    parts.weekday = static_cast<int>(chr::weekday(day).c_encoding()) + 1;
    return parts;
}

bool isValidDay(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    return chr::year_month_day(chr::year(year) / month / day).ok();
}

}  // namespace quelta
