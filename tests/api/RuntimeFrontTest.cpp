// The runtime routines of include/quelta/Runtime.h, each in the region it is given and
// without changing the thread's own.
#include <gtest/gtest.h>

#include "platform/region/RegionalSettings.h"
#include "quelta/Error.h"
#include "quelta/Runtime.h"

namespace quelta {
namespace {

using namespace std::chrono;

DateTime at(int y, unsigned m, unsigned d, int hours = 0, int minutes = 0) {
    return DateTime(local_days(year(y) / m / d)) + hours * 1h + minutes * 1min;
}

TEST(RuntimeFrontTest, FormatsAndConvertsInTheRegionGiven) {
    selectRegion("en-US");
    const Region german("de-DE");
    EXPECT_EQ(format(1234.5, "#,##0.00", german), "1.234,50");
    EXPECT_EQ(format("1234,5", "Standard", german), "1.234,50");
    EXPECT_EQ(format(at(2001, 12, 31), "dddd, d. mmmm yyyy", german), "Montag, 31. Dezember 2001");
    EXPECT_EQ(parseNumber("1.234,5", german), 1234.5);
    EXPECT_EQ(parseDate("31.12.2001 13:45", german), at(2001, 12, 31, 13, 45));
    EXPECT_EQ(dateText(at(1899, 12, 29, 6), german), "29.12.1899 06:00:00");
    EXPECT_EQ(parseDate("29.12.1899 06:00", german), at(1899, 12, 29, 6));
    EXPECT_TRUE(isNumber("1.234,5", german));
    EXPECT_FALSE(isDate("31.13.2001", german));
    EXPECT_EQ(numberText(0.5, german), "0,5");
    // The thread's own region is untouched.
    EXPECT_EQ(currentRegionalSettings().regionName, "en-US");
    EXPECT_EQ(threadRegion().name(), "en-US");
}

TEST(RuntimeFrontTest, CompletesTypedDatesAndTimesInTheRegionsOrder) {
    const DateTime today = at(2026, 6, 15);
    EXPECT_EQ(completeDate("3112", "", today, Region("de-DE")), "31.12.2026");
    EXPECT_EQ(completeDate("1231", "", today, Region("en-US")), "12/31/2026");
    EXPECT_EQ(completeDate("0231", "07/04/2020", today, Region("en-US")), "07/04/2020");
    EXPECT_EQ(completeTime("930", "", Region("de-DE")), "09:30:00");
}

TEST(RuntimeFrontTest, BadInputIsAnErrorWithItsNumber) {
    struct Case {
        std::function<void()> call;
        int number;
    };
    const Region us("en-US");
    const Case cases[] = {
        {[] { Region("german"); }, 5},
        {[] { Region("C"); }, 5},
        {[&] { parseNumber("twelve", us); }, 13},
        {[&] { parseNumber("1E+999", us); }, 6},
        {[&] { parseDate("", us); }, 13},
        {[&] { format(at(10000, 1, 1), "yyyy", us); }, 6},
        {[&] { format(1.0, "0;0;0;0;0", us); }, 5},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        try {
            cases[i].call();
            ADD_FAILURE() << "case " << i << " raised nothing";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), cases[i].number) << "case " << i << ": " << error.what();
        }
    }
}

}  // namespace
}  // namespace quelta
