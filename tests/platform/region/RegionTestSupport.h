#pragma once
// Every way a test chooses its region: the thread's region and clock for a scope, a thread
// of its own for a control (controls fix their notation once per thread), and regions for the
// Format routine.

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

// The regions as ICU gives them, but with English day and month names (Japan keeps its day
// names), so that expected texts do not move with the translations of the machine's ICU data.
inline RegionalSettings withEnglishNames(std::string_view region, bool ownDayNames = false) {
    RegionalSettings s = regionalSettingsFor(region);
    const RegionalSettings english = regionalSettingsFor("en-US");
    if (!ownDayNames) s.dayNames = english.dayNames;
    s.abbreviatedDayNames = english.abbreviatedDayNames;
    s.monthNames = english.monthNames;
    s.abbreviatedMonthNames = english.abbreviatedMonthNames;
    s.genitiveMonthNames = s.genitiveAbbreviatedMonthNames = {};  // no inflected forms
    return s;
}

inline RegionalSettings unitedStates() {
    return regionalSettingsFor("en-US");
}

inline RegionalSettings germany() {
    return withEnglishNames("de-DE");
}

inline RegionalSettings japan() {
    return withEnglishNames("ja-JP", true);
}

// "Two-digit year land", a region as a host might define it: a two-digit short year, an
// apostrophe grouping in threes then twos, a true minus sign and a full stop between hours
// and minutes.
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
