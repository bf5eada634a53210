#pragma once
// What the conversions need of the thread's regional settings, prepared once per settings:
// name lists upper-cased for matching, the order of the short date, the symbols to accept.
// Conversions run on every refresh of every control, so none of this is recomputed per call.

#include <array>
#include <memory>
#include <vector>

#include "platform/RegionalSettings.h"

namespace quelta {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct ConversionNotation {
    std::shared_ptr<const RegionalSettings> settings;

    DateOrder dateOrder = DateOrder::MonthDayYear;
    char16_t decimalSeparator = u'.';
    String groupSeparator;
    bool groupSeparatorIsSpace = false;  // then any kind of space separates groups
    String currencySymbol;
    String negativeSign;  // the region's own, besides "-"
    String dateSeparator;
    String timeSeparator;

    // Upper-cased words a date text may hold: month names (month - 1 for every form of
    // every month), AM and PM designators, and day names, which are skipped.
    std::vector<std::pair<String, int>> monthWords;
    std::vector<String> amWords;
    std::vector<String> pmWords;
    std::vector<String> dayWords;
};

// The notation of the thread's current regional settings.
const ConversionNotation& currentNotation();

// The order of day, month and year in a Format-code date pattern ("m/d/yyyy" is
// MonthDayYear); MonthDayYear when the pattern does not show it.
DateOrder dateOrderOf(StringView pattern);

// Upper-cases a text for case-insensitive comparison with the words above.
String upperCasedForMatching(StringView text);

}  // namespace quelta
