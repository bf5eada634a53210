#pragma once
// The runtime library's Format routine: a value shown through a format string in the
// thread's regional settings.
//
// The format is a named format ("Currency", "Short Date", "Yes/No", ... in any letter case)
// or a string of the code language: number codes (0 # . , % E+ E- e+ e-), date and time codes
// (c d dd ddd dddd ddddd dddddd w ww m mm mmm mmmm q y yy yyyy h hh n nn s ss ttttt, AM/PM
// am/pm A/P a/p AMPM, / and : as the regional separators), text codes (@ & < > !), literals,
// "quoted" text and \ escapes, in up to four sections positive;negative;zero;null (a text
// format has two: text;null-or-empty).
//
// How a value is read: numbers, Currency, Booleans (True is -1) and Empty (0) are numbers;
// dates are numbers to a number format and dates to a date format; a text is read as the
// number or the date it converts to (a number first for a number format, a date first for a
// date format) and is returned unchanged when it converts to neither; a text format shows the
// value's own text. Null shows the fourth section when there is one, else nothing. The empty
// format gives the value's own text (Variant::toString).
//
// firstDayOfWeek: 0 the regional one, 1 Sunday .. 7 Saturday. firstWeekOfYear: 0 the
// system's (the week of 1 January), 1 the week of 1 January, 2 the first week with four days,
// 3 the first full week. Other values, a format longer than kMaxFormatLength, more than four
// sections or a number or date result longer than kMaxFormattedLength raise error 5 (a text
// value is never cut: its result grows with it); a date outside the calendar and a number
// that is not finite raise error 6.

#include "platform/String.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Variant.h"

namespace quelta {

String formatValue(const Variant& value, StringView format, int firstDayOfWeek, int firstWeekOfYear,
                   const RegionalSettings& settings);

inline String formatValue(const Variant& value, StringView format = u"", int firstDayOfWeek = 1,
                          int firstWeekOfYear = 1) {
    return formatValue(value, format, firstDayOfWeek, firstWeekOfYear, currentRegionalSettings());
}

}  // namespace quelta
