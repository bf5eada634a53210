#pragma once
// Regional settings written out by hand for the Format routine's tests, so that expected
// texts do not move with the ICU data of the machine. They follow what ICU gives for these
// regions, except that Germany keeps the English names, and "Two-digit year land", a region as a
// host might define it: a two-digit short year, an apostrophe grouping in threes then twos, a true
// minus sign and a full stop between hours and minutes.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/region/RegionalSettings.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta::testing {

inline RegionalSettings englishNames(RegionalSettings s) {
    s.dayNames = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                  u"Thursday", u"Friday", u"Saturday"};
    s.abbreviatedDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    s.monthNames = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                    u"July",    u"August",   u"September", u"October", u"November", u"December"};
    s.abbreviatedMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                               u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    return s;
}

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
    s.positiveCurrencyPattern = 0;
    s.negativeCurrencyPattern = 0;  // ($1.00)
    s.firstDayOfWeek = 1;
    return englishNames(s);
}

inline RegionalSettings germany() {
    RegionalSettings s = unitedStates();
    s.regionName = "de-DE";
    s.decimalSeparator = u",";
    s.groupSeparator = u".";
    s.dateSeparator = u".";
    s.shortDatePattern = u"dd/mm/yyyy";
    s.mediumDatePattern = u"dd/mm/yyyy";
    s.longDatePattern = u"dddd, d. mmmm yyyy";
    s.longTimePattern = u"hh:nn:ss";
    s.mediumTimePattern = u"hh:nn";
    s.shortTimePattern = u"hh:nn";
    s.currencySymbol = u"€";
    s.positiveCurrencyPattern = 3;  // 1,00 €
    s.negativeCurrencyPattern = 8;  // -1,00 €
    s.firstDayOfWeek = 2;
    return s;
}

inline RegionalSettings japan() {
    RegionalSettings s = unitedStates();
    s.regionName = "ja-JP";
    s.shortDatePattern = u"yyyy/mm/dd";
    s.mediumDatePattern = u"yyyy/mm/dd";
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
    s.regionName = "en-US";
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

}  // namespace quelta::testing
