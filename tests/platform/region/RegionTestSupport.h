#pragma once
// Every way a test chooses its region: the thread's region and clock for a scope, a thread
// of its own for a control (controls fix their notation once per thread), and regions written
// out by hand for the Format routine, so that its expected texts do not move with the ICU data
// of the machine.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <thread>

#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {

// Puts the test's thread in a region and pins its clock, and restores both afterwards.
class ScopedRegion {
public:
    explicit ScopedRegion(std::string_view region, double now = 36892.5)  // 1 Jan 2001 noon
        : previous_(currentRegionalSettings()) {
        selectRegion(region);
        pinClock(now);
    }
    explicit ScopedRegion(RegionalSettings defined, double now = 36892.5)
        : previous_(currentRegionalSettings()) {
        defineRegionalSettings(std::move(defined));
        pinClock(now);
    }
    ~ScopedRegion() {
        defineRegionalSettings(previous_);
        unpinClock();
    }
    ScopedRegion(const ScopedRegion&) = delete;
    ScopedRegion& operator=(const ScopedRegion&) = delete;

private:
    RegionalSettings previous_;
};

// A region a host defines itself: en-US with a day-first short date, two-digit year and
// hyphens ("31-12-00").
inline RegionalSettings hostDefinedRegion() {
    RegionalSettings settings = regionalSettingsFor("en-US");
    settings.regionName = "x-host";
    settings.shortDatePattern = u"dd/mm/yy";
    settings.dateSeparator = u"-";
    settings.decimalSeparator = u",";
    settings.groupSeparator = u"'";
    return settings;
}

namespace testing {

// 15 June 2001, 10:30.
inline constexpr double kPinnedNow = 37057.4375;

// Runs body on a new thread in the region with the clock pinned; gtest expectations inside
// are reported as usual.
template <typename Body>
void inRegion(std::string_view region, Body&& body) {
    std::thread([&] {
        ScopedRegion scoped(region, kPinnedNow);
        body();
    }).join();
}

// The hand-written regions follow what ICU gives, except that Germany keeps the English
// names, and "Two-digit year land", a region as a host might define it: a two-digit short
// year, an apostrophe grouping in threes then twos, a true minus sign and a full stop between
// hours and minutes.
inline RegionalSettings unitedStates() {
    RegionalSettings s;
    s.regionName = "en-US";
    s.decimalSeparator = u".";
    s.groupSeparator = u",";
    s.grouping = {3};
    s.negativeSign = u"-";
    s.dateSeparator = u"/";
    s.timeSeparator = u":";
    s.shortDatePattern = u"m/d/yyyy";
    s.mediumDatePattern = u"mmm d, yyyy";
    s.longDatePattern = u"dddd, mmmm d, yyyy";
    s.longTimePattern = u"h:nn:ss AM/PM";
    s.mediumTimePattern = u"h:nn AM/PM";
    s.shortTimePattern = u"hh:nn";
    s.amDesignator = u"AM";
    s.pmDesignator = u"PM";
    s.currencySymbol = u"$";
    s.negativeCurrencyPattern = 0;  // ($1.00)
    s.dayNames = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                  u"Thursday", u"Friday", u"Saturday"};
    s.abbreviatedDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    s.monthNames = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                    u"July",    u"August",   u"September", u"October", u"November", u"December"};
    s.abbreviatedMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                               u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    return s;
}

inline RegionalSettings germany() {
    RegionalSettings s = unitedStates();
    s.regionName = "de-DE";
    s.decimalSeparator = u",";
    s.groupSeparator = u".";
    s.dateSeparator = u".";
    s.shortDatePattern = s.mediumDatePattern = u"dd/mm/yyyy";
    s.longDatePattern = u"dddd, d. mmmm yyyy";
    s.longTimePattern = u"hh:nn:ss";
    s.mediumTimePattern = u"hh:nn";
    s.currencySymbol = u"€";
    s.positiveCurrencyPattern = 3;  // 1,00 €
    s.negativeCurrencyPattern = 8;  // -1,00 €
    s.firstDayOfWeek = 2;
    return s;
}

inline RegionalSettings japan() {
    RegionalSettings s = unitedStates();
    s.regionName = "ja-JP";
    s.shortDatePattern = s.mediumDatePattern = u"yyyy/mm/dd";
    s.longDatePattern = u"yyyy\"年\"m\"月\"d\"日\"dddd";
    s.longTimePattern = u"h:nn:ss";
    s.mediumTimePattern = u"h:nn";
    s.amDesignator = u"午前";
    s.pmDesignator = u"午後";
    s.dayNames = {u"日曜日", u"月曜日", u"火曜日", u"水曜日", u"木曜日", u"金曜日", u"土曜日"};
    s.currencySymbol = u"￥";
    s.currencyDecimals = 0;
    s.negativeCurrencyPattern = 1;
    return s;
}

inline RegionalSettings twoDigitYearLand() {
    RegionalSettings s = unitedStates();
    s.groupSeparator = u"'";
    s.grouping = {3, 2};
    s.negativeSign = u"\u2212";
    s.dateSeparator = u"-";
    s.timeSeparator = u".";
    s.shortDatePattern = u"yy/mm/dd";
    s.longTimePattern = u"hh:nn:ss";
    return s;
}

// The Format routine in a region, as UTF-8 for readable expectations.
inline std::string formatIn(const RegionalSettings& region, const Variant& value,
                            const char* format, int firstDayOfWeek = 1, int firstWeekOfYear = 1) {
    return toUtf8(formatValue(value, fromUtf8(format), firstDayOfWeek, firstWeekOfYear, region));
}

struct FormatCase {
    Variant value;
    const char* format;
    std::string expected;
};

inline void expectFormats(const RegionalSettings& region, std::initializer_list<FormatCase> cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(formatIn(region, c.value, c.format), c.expected)
            << "format \"" << c.format << "\", value type " << static_cast<int>(c.value.type());
    }
}

}  // namespace testing
}  // namespace quelta
