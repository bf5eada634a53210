// Dates and times through the Format routine's date codes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "TestSupport.h"
#include "platform/region/Calendar.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/region/WeekOfYear.h"

namespace quelta {
namespace {

using testing::expectFormats;
using testing::formatIn;

Date at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return Date{dateSerial(year, month, day) + timeSerial(hour, minute, second)};
}

const Date kSaturday = at(2001, 2, 3, 4, 5, 6);  // Saturday 3 February 2001, 04:05:06

TEST(FormatDateTest, DayMonthYearCodes) {
    expectFormats(testing::unitedStates(),
                  {{kSaturday, "d/m/yy", "3/2/01"},
                   {kSaturday, "ddd dddd", "Sat Saturday"},
                   {kSaturday, "mmm mmmm", "Feb February"},
                   {kSaturday, "q", "1"},
                   {kSaturday, "y", "34"},
                   {at(2000, 12, 31), "y", "366"},
                   {kSaturday, "mmmmm", "February2"},
                   {kSaturday, "ddddddd", "Saturday, February 3, 20013"},
                   {Date{-1.25}, "dd.mm.yyyy hh:nn", "29.12.1899 06:00"},
                   {at(9999, 12, 31, 23, 59, 59), "yyyy-mm-dd hh:nn:ss", "9999-12-31 23:59:59"}});
}

TEST(FormatDateTest, TimeCodesAndMinutesAfterHours) {
    expectFormats(testing::unitedStates(), {{kSaturday, "h:n:s", "4:5:6"},
                                            {kSaturday, "h \"h\" m", "4 h 5"},
                                            {kSaturday, "m/d hh", "2/3 04"},
                                            {kSaturday, "hh dd mm", "04 03 02"},
                                            {kSaturday, "mmm:ss", "Feb:06"},
                                            {kSaturday, "ttttt", "4:05:06 AM"},
                                            {kSaturday, "tttt", "tttt"},
                                            {Date{0.99999}, "hh:nn:ss", "23:59:59"},
                                            {Date{0.999999}, "dd hh:nn:ss", "31 00:00:00"}});
}

TEST(FormatDateTest, TwelveHourClock) {
    const Date afternoon = at(2001, 2, 3, 16, 5, 0);
    expectFormats(testing::unitedStates(), {{kSaturday, "h:mm AM/PM", "4:05 AM"},
                                            {afternoon, "h:mm am/pm", "4:05 pm"},
                                            {kSaturday, "hh A/P", "04 A"},
                                            {at(2001, 2, 3, 0, 30), "h:nn AM/PM", "12:30 AM"},
                                            {at(2001, 2, 3, 12, 30), "h:nn AM/PM", "12:30 PM"},
                                            {afternoon, "Am/pm h", "PM 4"}});
    expectFormats(testing::japan(), {{kSaturday, "AMPM h:nn", "午前 4:05"},
                                     {at(2001, 2, 3, 13, 0), "AMPM h:nn", "午後 1:00"}});
}

TEST(FormatDateTest, RegionalSeparatorsAndPatterns) {
    expectFormats(testing::germany(), {{kSaturday, "dd/mm/yyyy", "03.02.2001"},
                                       {kSaturday, "dddddd", "Saturday, 3. February 2001"},
                                       {kSaturday, "c", "03.02.2001 04:05:06"},
                                       {kSaturday, "ddd, d. mmm", "Sat, 3. Feb"}});
    expectFormats(testing::twoDigitYearLand(), {{kSaturday, "hh:nn:ss", "04.05.06"},
                                                {kSaturday, "ddddd", "01-02-03"},
                                                {kSaturday, "c", "01-02-03 04.05.06"}});
    expectFormats(testing::japan(), {{kSaturday, "dddddd", "2001年2月3日土曜日"},
                                     {kSaturday, "ddddd", "2001/02/03"}});
}

TEST(FormatDateTest, GeneralDateLeavesOutMidnightAndDayZero) {
    expectFormats(testing::unitedStates(), {{kSaturday, "c", "2/3/2001 4:05:06 AM"},
                                            {at(2001, 2, 3), "c", "2/3/2001"},
                                            {Date{0.5}, "c", "12:00:00 PM"},
                                            {kSaturday, "General Date", "2/3/2001 4:05:06 AM"}});
}

TEST(FormatDateTest, LiteralsInDateFormats) {
    expectFormats(testing::unitedStates(), {{kSaturday, "\\d\\d dd", "dd 03"},
                                            {kSaturday, "dd \"unterminated", "03 unterminated"},
                                            {kSaturday, "d-m.yyyy,", "3-2.2001,"}});
}

TEST(FormatDateTest, NumbersAndTextAreReadAsDates) {
    expectFormats(testing::unitedStates(), {{36526.0, "dd.mm.yyyy", "01.01.2000"},
                                            {std::int32_t(2), "dd.mm.yyyy", "01.01.1900"},
                                            {Variant(), "dd.mm.yyyy", "30.12.1899"},
                                            {String(), "dd.mm.yyyy", ""},
                                            {u"no date", "dd.mm.yyyy", "no date"}});
}

TEST(FormatDateTest, WeekdayByFirstDayOfWeek) {
    struct Case {
        int firstDayOfWeek;
        const char* expected;
    };
    // Saturday is the 7th day from Sunday, the 6th from Monday, the 1st from Saturday.
    for (Case c : {Case{1, "7"}, {2, "6"}, {7, "1"}, {0, "7"}}) {
        EXPECT_EQ(formatIn(testing::unitedStates(), kSaturday, "w", c.firstDayOfWeek), c.expected)
            << c.firstDayOfWeek;
    }
    EXPECT_EQ(formatIn(testing::germany(), kSaturday, "w", 0), "6") << "Monday in Germany";
}

TEST(FormatDateTest, WeekOfYearByTheThreeRules) {
    struct Case {
        Date day;
        int firstDayOfWeek, firstWeekOfYear;
        const char* expected;
    };
    const Case cases[] = {
        {at(2000, 12, 31), 1, 1, "54"},  // 1 January 2000 was a Saturday
        {at(2005, 1, 1), 2, 2, "53"},    // first four-day week; the sweep below checks it in full
        {at(2005, 1, 3), 2, 3, "1"},     // first full week
        {at(2005, 1, 2), 2, 3, "52"},    // the Sunday before belongs to the year before
        {at(2005, 1, 1), 1, 0, "1"},     // 0: the week of 1 January
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            formatIn(testing::unitedStates(), c.day, "ww", c.firstDayOfWeek, c.firstWeekOfYear),
            c.expected)
            << formatIn(testing::unitedStates(), c.day, "yyyy-mm-dd") << " rule "
            << c.firstWeekOfYear;
    }
}

TEST(FormatDateTest, IsoWeeksAgreeWithTheCalendarForTwentyYears) {
    namespace chr = std::chrono;
    // ISO 8601 week numbers computed independently: the week of the Thursday of the week.
    for (long long day = serialDayOf(2000, 1, 1); day < serialDayOf(2020, 1, 1); ++day) {
        chr::sys_days date = chr::sys_days(chr::year(1899) / 12 / 30) + chr::days(day);
        chr::weekday weekday(date);
        int isoIndex = static_cast<int>(weekday.iso_encoding());  // 1 Monday .. 7 Sunday
        chr::year_month_day thursday(date + chr::days(4 - isoIndex));
        chr::sys_days firstOfThatYear = chr::sys_days(thursday.year() / 1 / 1);
        int expected =
            static_cast<int>((chr::sys_days(thursday) - firstOfThatYear).count() / 7 + 1);
        chr::year_month_day ymd(date);
        ASSERT_EQ(weekOfYear(day, static_cast<int>(ymd.year()), 2, FirstWeekRule::FirstFourDayWeek),
                  expected)
            << day;
    }
}

// The calendar runs from 1 January 100 (serial -657434) to 31 December 9999 (2958465).
TEST(FormatDateTest, DatesOutsideTheCalendarAreOverflow) {
    EXPECT_EQ(formatIn(testing::unitedStates(), 2958465.5, "dd.mm.yyyy hh"), "31.12.9999 12");
    EXPECT_EQ(formatIn(testing::unitedStates(), -657434.5, "dd.mm.yyyy hh"), "01.01.0100 12");
    for (double serial : {1e10, -1e10, 2958466.0, kMaxDateSerial + 0.00001, -657435.0}) {
        EXPECT_EQ(testing::errorNumberOf(
                      [&] { formatIn(testing::unitedStates(), serial, "dd.mm.yyyy"); }),
                  kErrOverflow)
            << serial;
    }
}

}  // namespace
}  // namespace quelta
