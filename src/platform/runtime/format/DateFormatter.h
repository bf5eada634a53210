#pragma once
// Renders a date through a date section of a compiled format.

#include "platform/region/RegionalSettings.h"
#include "platform/region/WeekOfYear.h"
#include "platform/runtime/format/CompiledFormat.h"

namespace quelta {

struct DateContext {
    const RegionalSettings& settings;
    int firstDayOfWeek = 1;  // 1 Sunday .. 7 Saturday
    FirstWeekRule firstWeek = FirstWeekRule::ContainsJanuaryFirst;
};

// Appends the tokens of a section for a serial date. The codes that stand for a regional
// pattern (ddddd, dddddd, ttttt, c) render that pattern; a pattern that names such codes
// again is not expanded a second time. Raises error 6 for a date outside the calendar.
void appendDate(String& out, const CompiledFormat& format, const FormatSection& section,
                double serial, const DateContext& context);

// The general date: the short date, then the long time unless it is midnight; the time
// alone when the date is 30 December 1899 (day 0).
void appendGeneralDate(String& out, double serial, const DateContext& context);

}  // namespace quelta
