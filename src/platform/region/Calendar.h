#pragma once
// Date arithmetic on serial dates (days since 30 December 1899, see Variant.h).

#include <cstdint>

namespace quelta {

// The earliest and latest dates the platform represents: 1 January 100, 23:59:59 (before
// 1900 the time of day counts away from zero) and 31 December 9999, 23:59:59.
inline constexpr double kMinDateSerial = -657434.99998843;
inline constexpr double kMaxDateSerial = 2958465.99998843;

struct DateParts {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 7;  // 1 = Sunday .. 7 = Saturday
};

// The date from a year, month and day; out-of-range months and days roll over into the
// neighbouring months and years (month 13 is January of the next year, day 0 the last day
// of the previous month). Years 0..29 mean 2000..2029 and 30..99 mean 1930..1999.
// Raises error 5 when the result lies outside the representable range.
double dateSerial(int year, int month, int day);

// The time of day from hours, minutes and seconds, rolling over likewise; the result may
// leave 0..1 (25:00 is one day and one hour). Raises error 6 when out of range.
double timeSerial(int hour, int minute, int second);

// Adds a time of day to a date with the platform's sign convention: for dates before
// 30 December 1899 the time runs forwards while the integer part runs backwards.
double combineDateAndTime(double dateSerial, double timeOfDay);

// The parts of a serial date, rounded to the nearest second. Raises error 6 for a value
// outside 1 January 100 to 31 December 9999.
DateParts datePartsOf(double serial);

// The date part (whole days, towards zero) and the time of day (0 <= t < 1).
double datePartOf(double serial);
double timePartOf(double serial);

// Whether the year, month and day name an existing calendar day (no roll-over).
bool isValidDay(int year, int month, int day);

}  // namespace quelta
