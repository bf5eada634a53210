#pragma once
// Reading a date, a time of day, or both from text, the way the platform's date conversion
// reads what users type.

#include <optional>

#include "platform/runtime/ConversionNotation.h"

namespace quelta {

// The serial date of a text, or nothing when the text is not a date:
// - numbers in the regional order of day, month and year, separated by "/", "-", ".",
//   any kind of space, commas or the regional date separator; a first number of three or
//   more digits is a year (ISO "2000-12-31"); when the regional order gives an impossible
//   date, the other order of day and month and then year first are tried, year first
//   before them when the first number cannot lead the regional order ("14 2 3");
// - two numbers are a day and month in the regional order of the current year (or a month
//   and a year, when one of them cannot be a day); a month name or abbreviation (any case,
//   any position) with one or two numbers, two being a day and a year or else a year and a
//   day ("29 FEB 01" is 2029-02-01);
// - two-digit years fall in 1930..2029;
// - a time: hours with minutes and optional seconds joined by ":", the regional time
//   separator, or a full stop between digits where dates do not use the full stop ("9.30"
//   in en-US), or an hour alone before AM/PM; AM/PM as the regional designators or AM,
//   PM, A, P in any case, before or after the time; an hour above 12 ignores them;
// - the time before or after the date's numbers and month name ("1.2 3 4", "3 4 1.2"), but
//   not between them ("1 2 am 3", "1 2.3 4" are no dates). Day names, the words the region's
//   patterns quote ("de", "年") and the region's own punctuation between parts (the Arabic
//   comma) are allowed and ignored; a month name may hold spaces, marks or digits
//   ("tháng 12"). A minus at either end makes the text a number, not a date, and so do
//   zeros joined by full stops ("0.0").
// `currentYear` is called only when the text names no year.
std::optional<double> parseDateText(StringView text, const ConversionNotation& notation,
                                    int (*currentYear)());

}  // namespace quelta
