#pragma once
// Reading a date, a time of day, or both from text, the way the platform's date conversion
// reads what users type.

#include <optional>

#include "platform/runtime/ConversionNotation.h"

namespace quelta {

// The serial date of a text, or nothing when the text is not a date:
// - numbers in the regional order of day, month and year, separated by "/", "-", ".",
//   spaces, commas or the regional date separator; a first number of three or more digits
//   is a year (ISO "2000-12-31"); when the regional order gives an impossible date, the
//   other order of day and month (and then year first) is tried;
// - two numbers are a day and month in the regional order of the current year (or a month
//   and a year, when one of them cannot be a day); a month name or abbreviation (any case,
//   any position) with one or two numbers;
// - two-digit years fall in 1930..2029;
// - a time: hours with minutes and optional seconds joined by ":" or the regional time
//   separator, or an hour alone before AM/PM; AM/PM as the regional designators or AM, PM,
//   A, P in any case, before or after the time;
// - date and time in either order. Day names, the words the region's patterns quote
//   ("de", "年") and the region's own punctuation between parts (the Arabic comma) are
//   allowed and ignored; a month name may hold spaces, marks or digits ("tháng 12").
// `currentYear` is called only when the text names no year.
std::optional<double> parseDateText(StringView text, const ConversionNotation& notation,
                                    int (*currentYear)());

}  // namespace quelta
