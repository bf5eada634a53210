#pragma once
// Completion of what a user typed into a date or time control ("3112", "31.12.", "930",
// "1:30p") into the platform's text of a whole date or time of day. Both fall back to the
// reference text (the stored text when editing began) when the typed parts do not form a
// date or time that the platform gives back unchanged, so an impossible entry over a valid
// value restores the value and one over an empty control clears it.

#include <cstdint>
#include <optional>

#include "platform/String.h"

namespace quelta {

// Which of the three number groups of the regional short date is the day, the month and
// the year (1..3; 0 when the region's short date does not show that part as a number).
struct RegionalDateOrder {
    std::int16_t DayPosition = 0;
    std::int16_t MonthPosition = 0;
    std::int16_t YearPosition = 0;
};

// A completed entry: the platform's text of a date or time and the serial it was made from,
// or the reference text and no serial when the entry fell back to it.
struct CompletedEntry {
    String text;
    std::optional<double> serial;
};

// typed is never empty when the control calls it. Parts not typed come from the reference
// text when it is a date, otherwise from today (a serial date). The result is the
// platform's text of a date without time, or referenceText.
String CompleteDateEntry(StringView typed, StringView referenceText, const RegionalDateOrder& order,
                         double today);
// The same, with the serial, so that a display need not read the text back into a date.
CompletedEntry completeDateEntryWithSerial(StringView typed, StringView referenceText,
                                           const RegionalDateOrder& order, double today);

// Hour, minute and second from up to three groups; a "P" anywhere moves an hour below 12
// into the afternoon. The result is the platform's text of a time of day, or referenceText.
String CompleteTimeEntry(StringView typed, StringView referenceText);
// The same, with the serial.
CompletedEntry completeTimeEntryWithSerial(StringView typed, StringView referenceText);

}  // namespace quelta
