#pragma once
// The runtime's routines for a host's own code, in the notation of a region: the Format
// routine, the conversions between text and numbers, dates and Booleans, and the completion
// of a typed date or time. They are the routines fields use, so a host that shows or reads a
// value as a field does gets the same text.
//
// Dates are local calendar times without a time zone, to the second, from the year 100 to
// the year 9999. Every routine raises quelta::Error: 13 for a text that is not a value of the
// kind asked for, 6 for a number or date beyond the range, 5 for a malformed format.

#include <chrono>
#include <string>
#include <string_view>
#include <utility>

#include "quelta/Export.h"

namespace quelta {

using DateTime = std::chrono::local_seconds;

class Region;
// The region of the fields of this thread. Fields take their notation from it once per
// thread, when the first of them starts, so choose it before that (setThreadRegion); the
// default is Region::fromEnvironment().
QUELTA_API Region threadRegion();

// A region's notation, by its BCP 47 name ("de-DE"; the environment's "de_DE.UTF-8" too).
class QUELTA_API Region {
public:
    // Error 5 for a name ICU has no data for ("C", "german").
    explicit Region(std::string_view name);
    // The region the environment asks for (LC_ALL, then LC_NUMERIC and LC_TIME, then LANG);
    // en-US where none names one ICU knows.
    static Region fromEnvironment();

    const std::string& name() const { return name_; }

private:
    friend Region threadRegion();
    struct Known {};
    Region(std::string name, Known) : name_(std::move(name)) {}
    std::string name_;
};

QUELTA_API void setThreadRegion(const Region& region);

// Pins the clock that "today" and "now" read on this thread (a date field completes a
// typed "3112" with the current year), or lets it follow the system clock again.
QUELTA_API void pinClock(DateTime now);
QUELTA_API void followSystemClock();

// A value shown through a format: a named format ("Standard", "Short Date", "Yes/No", ...)
// or format codes ("#,##0.00", "dd.mm.yyyy", ">@", up to four sections). A text is shown as
// the number or date it reads as, and as itself when it reads as neither.
QUELTA_API std::string format(double number, std::string_view format, const Region& region);
QUELTA_API std::string format(DateTime when, std::string_view format, const Region& region);
QUELTA_API std::string format(std::string_view text, std::string_view format, const Region& region);

// Text to values: a number in the region's notation (separators, sign, currency, percent,
// exponent); a date, a time or both in the region's order; "True", "False" or a number.
QUELTA_API double parseNumber(std::string_view text, const Region& region);
QUELTA_API DateTime parseDate(std::string_view text, const Region& region);
QUELTA_API bool parseBoolean(std::string_view text, const Region& region);
QUELTA_API bool isNumber(std::string_view text, const Region& region);
QUELTA_API bool isDate(std::string_view text, const Region& region);

// Values to text, as the runtime writes them: up to 15 significant digits without group
// separators; the short date, with the long time unless it is midnight; "True" / "False".
QUELTA_API std::string numberText(double number, const Region& region);
QUELTA_API std::string dateText(DateTime when, const Region& region);
QUELTA_API std::string booleanText(bool value, const Region& region);

// What a date field makes of a typed entry when the user leaves it: "3112" becomes
// 31 December of `today`'s year, "31.12." the same in a region that writes the day first.
// Parts not typed come from `previous` when it is a date, else from `today`. An entry that
// does not form a date gives `previous` back. The result is the date's text (dateText).
QUELTA_API std::string completeDate(std::string_view typed, std::string_view previous,
                                    DateTime today, const Region& region);
// The same for a time of day: "930" is 9:30, "1:30p" 13:30.
QUELTA_API std::string completeTime(std::string_view typed, std::string_view previous,
                                    const Region& region);

}  // namespace quelta
