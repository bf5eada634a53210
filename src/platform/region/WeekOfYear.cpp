#include "platform/region/WeekOfYear.h"

#include <chrono>

namespace quelta {
namespace {

namespace chr = std::chrono;

long long firstWeekStart(int year, int firstDayOfWeek, FirstWeekRule rule) {
    long long januaryFirst = serialDayOf(year, 1, 1);
    int offset = dayOfWeek(januaryFirst, firstDayOfWeek) - 1;  // days since the week began
    long long start = januaryFirst - offset;
    int daysInNewYear = 7 - offset;
    if (rule == FirstWeekRule::FirstFourDayWeek && daysInNewYear < 4) start += 7;
    if (rule == FirstWeekRule::FirstFullWeek && offset != 0) start += 7;
    return start;
}

}  // namespace

long long serialDayOf(int year, int month, int day) {
    constexpr chr::sys_days kEpoch = chr::sys_days(chr::year(1899) / 12 / 30);
    chr::sys_days date = chr::sys_days(chr::year(year) / month / day);
    return (date - kEpoch).count();
}

int dayOfWeek(long long serialDay, int firstDayOfWeek) {
    int weekday = static_cast<int>(((serialDay % 7) + 7 + 6) % 7) + 1;  // day 0 is a Saturday
    return (weekday - firstDayOfWeek + 7) % 7 + 1;
}

int weekOfYear(long long serialDay, int year, int firstDayOfWeek, FirstWeekRule rule) {
    long long start = firstWeekStart(year, firstDayOfWeek, rule);
    if (serialDay < start) {
        start = firstWeekStart(year - 1, firstDayOfWeek, rule);
    } else if (rule != FirstWeekRule::ContainsJanuaryFirst &&
               serialDay >= firstWeekStart(year + 1, firstDayOfWeek, rule)) {
        return 1;
    }
    return static_cast<int>((serialDay - start) / 7) + 1;
}

}  // namespace quelta
