#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "platform/AutomationError.h"
#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"

namespace quelta {
namespace {

TEST(CalendarTest, DateSerialKnownDays) {
    struct Case {
        int year, month, day;
        double serial;
    };
    for (Case c : {Case{1899, 12, 30, 0},
                   {1899, 12, 29, -1},
                   {100, 1, 1, -657434},
                   {9999, 12, 31, 2958465},
                   {2000, 3, 0, 36585},   // day 0 is the last day of February
                   {2000, 0, 1, 36495},   // December 1999
                   {29, 1, 1, 47119},     // two-digit years are windowed: 2029
                   {30, 1, 1, 10959}}) {  // 1930
        EXPECT_EQ(dateSerial(c.year, c.month, c.day), c.serial)
            << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_THROW(dateSerial(10000, 1, 1), AutomationError);
}

TEST(CalendarTest, PartsOfNegativeSerialKeepTimeRunningForwards) {
    DateParts p = datePartsOf(-1.25);
    EXPECT_EQ(std::tuple(p.year, p.month, p.day, p.hour), std::tuple(1899, 12, 29, 6));
    EXPECT_EQ(combineDateAndTime(-1, 0.25), -1.25);
}

TEST(CalendarTest, PartsRoundToTheSecondAndCarryIntoTheNextDay) {
    DateParts p = datePartsOf(36526.0 + 86399.6 / 86400.0);
    EXPECT_EQ(std::tuple(p.day, p.hour, p.second), std::tuple(2, 0, 0));
    DateParts q = datePartsOf(36526.0 + (13 * 3600 + 45 * 60 + 7) / 86400.0);
    // 1 January 2000 was a Saturday.
    EXPECT_EQ(std::tuple(q.hour, q.minute, q.second, q.weekday), std::tuple(13, 45, 7, 7));
}

TEST(CalendarTest, TimeSerialRollsOver) {
    EXPECT_DOUBLE_EQ(timeSerial(0, 90, 0), 1.5 / 24);
    EXPECT_DOUBLE_EQ(timeSerial(-1, 0, 0), -1.0 / 24);
}

TEST(CalendarTest, ValidDays) {
    EXPECT_TRUE(isValidDay(2000, 2, 29));
    for (auto [year, month, day] :
         {std::tuple{1900, 2, 29}, {2001, 4, 31}, {2001, 0, 1}, {2001, 1, 32}})
        EXPECT_FALSE(isValidDay(year, month, day)) << year << "-" << month << "-" << day;
}

// Every other test pins the clock; the system's is read in whole seconds.
TEST(PlatformClockTest, SystemClockIsWholeSecondsOfARecentDay) {
    double now = Now();
    EXPECT_GT(now, 45000);  // after 2023
    double seconds = (now - std::floor(now)) * 86400;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
    EXPECT_EQ(Today(), std::floor(now));
}

}  // namespace
}  // namespace quelta
