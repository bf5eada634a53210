#include "quelta/Runtime.h"

#include <cmath>

#include "api/front/FieldCore.h"
#include "format/DateTimeCompletion.h"
#include "format/EstablishRegionalSettings.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {
namespace {

using std::chrono::days;
using std::chrono::seconds;

constexpr double kSecondsPerDay = 86400;
// The platform's day 0, 30 December 1899.
constexpr std::chrono::local_days kDayZero{std::chrono::year{1899} / 12 / 30};

// A serial date keeps the days before day 0 as a negative whole part while the time of day
// still counts forwards in the fraction (-1.25 is 29 December 1899, 06:00).
double serialOf(DateTime when) {
    const auto day = std::chrono::floor<days>(when);
    const double wholeDays = static_cast<double>((day - kDayZero).count());
    const double fraction = static_cast<double>((when - day).count()) / kSecondsPerDay;
    return wholeDays < 0 ? wholeDays - fraction : wholeDays + fraction;
}

// The platform's calendar runs from 1 January 100 to 31 December 9999.
double calendarSerialOf(DateTime when) {
    constexpr double kFirstDay = -657434;
    constexpr double kLastDay = 2958465;
    const double serial = serialOf(when);
    if (!(serial > kFirstDay - 1 && serial < kLastDay + 1)) {
        throw Error(kErrOverflow, "a date outside the years 100 to 9999");
    }
    return serial;
}

DateTime dateTimeOf(double serial) {
    const double wholeDays = std::trunc(serial);
    const auto secondsOfDay = std::llround(std::fabs(serial - wholeDays) * kSecondsPerDay);
    return DateTime(kDayZero + days(static_cast<long long>(wholeDays))) + seconds(secondsOfDay);
}

// Lends the thread to a region for one call and gives the thread's own settings back,
// whatever the call does. Fields are unaffected: they keep the notation they derived.
class RegionScope {
public:
    explicit RegionScope(const Region& region) : saved_(currentRegionalSettingsShared()) {
        selectRegion(region.name());
    }
    ~RegionScope() { useRegionalSettings(std::move(saved_)); }
    RegionScope(const RegionScope&) = delete;
    RegionScope& operator=(const RegionScope&) = delete;

private:
    std::shared_ptr<const RegionalSettings> saved_;
};

template <typename Call>
auto inRegion(const Region& region, Call&& call) {
    RegionScope scope(region);
    return detail::guarded(std::forward<Call>(call));
}

std::string formatted(const Variant& value, std::string_view format, const Region& region) {
    return inRegion(region, [&] {
        return toUtf8(formatValue(value, fromUtf8(format), 1, 1, currentRegionalSettings()));
    });
}

}  // namespace

Region::Region(std::string_view name) : name_(name) {
    if (!isKnownRegion(name)) {
        throw Error(kErrInvalidProcedureCall, "unknown region '" + name_ + "'");
    }
}

Region Region::fromEnvironment() {
    return Region(regionNameFromEnvironment(), Known{});
}

void setThreadRegion(const Region& region) {
    selectRegion(region.name());
}

Region threadRegion() {
    return Region(currentRegionalSettings().regionName, Region::Known{});
}

void pinClock(DateTime now) {
    pinClock(calendarSerialOf(now));
}

void followSystemClock() {
    unpinClock();
}

std::string format(double number, std::string_view format, const Region& region) {
    return formatted(Variant(number), format, region);
}

std::string format(DateTime when, std::string_view format, const Region& region) {
    return formatted(Variant(Date{calendarSerialOf(when)}), format, region);
}

std::string format(std::string_view text, std::string_view format, const Region& region) {
    return formatted(Variant(fromUtf8(text)), format, region);
}

double parseNumber(std::string_view text, const Region& region) {
    return inRegion(region, [&] { return textToDouble(fromUtf8(text)); });
}

DateTime parseDate(std::string_view text, const Region& region) {
    return inRegion(region, [&] { return dateTimeOf(textToDate(fromUtf8(text))); });
}

bool parseBoolean(std::string_view text, const Region& region) {
    return inRegion(region, [&] { return textToBoolean(fromUtf8(text)); });
}

bool isNumber(std::string_view text, const Region& region) {
    return inRegion(region, [&] { return isNumericText(fromUtf8(text)); });
}

bool isDate(std::string_view text, const Region& region) {
    return inRegion(region, [&] { return isDateText(fromUtf8(text)); });
}

std::string numberText(double number, const Region& region) {
    return inRegion(region, [&] { return toUtf8(doubleToText(number)); });
}

std::string dateText(DateTime when, const Region& region) {
    return inRegion(region, [&] { return toUtf8(dateToText(calendarSerialOf(when))); });
}

std::string booleanText(bool value, const Region& region) {
    return inRegion(region, [&] { return toUtf8(booleanToText(value)); });
}

std::string completeDate(std::string_view typed, std::string_view previous, DateTime today,
                         const Region& region) {
    if (typed.empty()) return std::string(previous);
    return inRegion(region, [&] {
        QueltaThreadData notation;  // the region's date order, not the thread's fields'
        establishRegionalSettings(notation);
        const RegionalDateOrder order{notation.DayPosition, notation.MonthPosition,
                                      notation.YearPosition};
        return toUtf8(CompleteDateEntry(fromUtf8(typed), fromUtf8(previous), order,
                                        std::trunc(calendarSerialOf(today))));
    });
}

std::string completeTime(std::string_view typed, std::string_view previous, const Region& region) {
    if (typed.empty()) return std::string(previous);
    return inRegion(region,
                    [&] { return toUtf8(CompleteTimeEntry(fromUtf8(typed), fromUtf8(previous))); });
}

}  // namespace quelta
