#pragma once
// The runtime library's text conversions, in the thread's regional settings
// (RegionalSettings.h). A conversion that fails raises error 13 (type mismatch).

#include <optional>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

// "True"/"False" in any letter case, "#TRUE#"/"#FALSE#" as written, or a number: 0 is
// False, any other number True.
bool textToBoolean(StringView text);

// A number in regional notation: decimal and group separators, surrounding spaces, a sign
// before or after, parentheses for negatives, the currency symbol before or after, an
// exponent, or an "&H" / "&O" integer. Error 13 for anything else (an empty text, and a
// trailing percent sign, which only the Format routine reads), error 6 beyond the range of
// a double.
double textToDouble(StringView text);

// A date, a time, or both, in the regional order; the result is a serial date. The rules
// are those of parseDateText (DateTextParser.h).
double textToDate(StringView text);

// As textToDate, textToBoolean and textToDouble, with nothing for a text that does not
// convert (or, for a number, is beyond a double), for a caller that tries a text rather than
// demands it: the display tries every entry, and a raised error costs twenty times the
// conversion.
std::optional<double> tryTextToDate(StringView text);
std::optional<bool> tryTextToBoolean(StringView text);
std::optional<double> tryTextToDouble(StringView text);

// Whether textToDate would succeed / textToDouble would succeed.
bool isDateText(StringView text);
bool isNumericText(StringView text);

// Back to text in regional notation.
String booleanToText(bool value);  // "True" / "False"
// Up to 15 significant digits, no group separators, "-" for negatives; exponent form
// ("1E+15", "1E-05") from 1E15 on and below 1E-4. Any double of up to 15 significant
// digits reads back as itself through textToDouble.
String doubleToText(double value);
String singleToText(float value);  // the same with 7 significant digits
String currencyToText(Currency value);
String dateToText(double serial);  // short date, plus long time unless midnight; time alone
                                   // when the date part is zero

// The leading number of a text in invariant notation (full stop as decimal point, spaces
// inside it skipped, "&H" / "&O" integers); 0 when the text does not start with a number.
// Error 6 beyond the range of a double; never any other error.
double val(StringView text);

}  // namespace quelta
