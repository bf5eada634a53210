#pragma once
// Week numbers and weekdays counted from a chosen first day of the week, with the three
// rules for the first week of a year.

namespace quelta {

enum class FirstWeekRule {
    ContainsJanuaryFirst = 1,  // the week that holds 1 January
    FirstFourDayWeek = 2,      // the first week with at least four days in the new year
    FirstFullWeek = 3,         // the first week wholly in the new year
};

// The serial day number (days since 30 December 1899) of a calendar day.
long long serialDayOf(int year, int month, int day);

// 1..7: the place of the day in its week; `firstDayOfWeek` is 1 (Sunday) .. 7 (Saturday).
int dayOfWeek(long long serialDay, int firstDayOfWeek);

// The week of the year that holds the day (1..54). A day before the first week of its year
// belongs to the last week of the year before; under the four-day and full-week rules a day
// at the end of December can belong to week 1 of the next year.
int weekOfYear(long long serialDay, int year, int firstDayOfWeek, FirstWeekRule rule);

}  // namespace quelta
