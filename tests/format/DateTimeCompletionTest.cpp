#include <gtest/gtest.h>

#include <initializer_list>

#include "TestSupport.h"
#include "format/DateTimeCompletion.h"
#include "platform/region/Calendar.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

using testing::u8;

constexpr RegionalDateOrder kDayMonthYear{1, 2, 3};
constexpr RegionalDateOrder kYearMonthDay{3, 2, 1};
const double kToday = 36892;  // 1 January 2001

struct DateRow {
    const char16_t* typed;
    int year, month, day;  // year 0: the reference text comes back
};

// Completes each row against the reference text, by default 15 June 2001 as the region
// writes it, and compares with the platform's text of the expected date.
void expectDates(const char* region, const RegionalDateOrder& order,
                 std::initializer_list<DateRow> rows, const char16_t* referenceText = nullptr) {
    ScopedRegion scoped(region);
    String reference = referenceText ? String(referenceText) : dateToText(dateSerial(2001, 6, 15));
    for (const DateRow& row : rows) {
        String expected = row.year == 0 ? String(reference)
                                        : dateToText(dateSerial(row.year, row.month, row.day));
        CompletedEntry completed = completeDateEntryWithSerial(row.typed, reference, order, kToday);
        EXPECT_EQ(u8(completed.text), u8(expected)) << region << " typed " << u8(row.typed);
        // The serial goes with the text it was made from, and only then.
        EXPECT_EQ(completed.serial,
                  row.year == 0 ? std::nullopt : std::optional(textToDate(completed.text)))
            << region << " typed " << u8(row.typed);
    }
}

// Every way of splitting the digits, in day-first order; month-first entry is what the en-US
// end-to-end scripts type.
TEST(CompleteDateEntryTest, DayMonthYear) {
    expectDates("de-DE", kDayMonthYear,
                {
                    {u"3112", 2001, 12, 31},
                    {u"31.12.", 2001, 12, 31},
                    {u"31.12.2004", 2004, 12, 31},
                    {u"3.1", 2001, 1, 3},
                    {u"311299", 1999, 12, 31},
                    {u"45", 2001, 5, 4},        // 45 is no day: the 5 starts the month
                    {u"310", 2001, 10, 3},      // day 31, month 0 means 3 October
                    {u"30.2", 0, 0, 0},         // rolls over into March
                    {u"311200", 2000, 12, 31},  // a typed 00 is a year
                    {u"31120", 2001, 12, 31},   // a single 0 is not
                    {u"3112.0", 2000, 12, 31},
                    {u"1..5", 2005, 6, 1},   // the third group behind the second separator
                    {u".12", 2001, 12, 15},  // a leading separator starts at the month
                    {u"31122004999", 2004, 12, 31},
                    {u"31121E99", 0, 0, 0},  // Val beyond 16 bits falls back
                    {u"x", 2001, 6, 15},
                });
}

TEST(CompleteDateEntryTest, YearMonthDay) {
    expectDates("ja-JP", kYearMonthDay,
                {
                    {u"20041231", 2004, 12, 31},
                    {u"04.1.5", 2004, 1, 5},
                    {u"99", 1999, 6, 15},
                    {u"/12/1", 2001, 12, 1},
                });
}

// Without a numeric month in the regional date no typed group is taken for the month.
TEST(CompleteDateEntryTest, NoMonthPosition) {
    expectDates("de-DE", {1, 0, 3},
                {
                    {u"2812", 2001, 6, 28},
                    {u"28.12.2004", 2004, 6, 28},
                });
}

TEST(CompleteDateEntryTest, DefaultsFromTodayWithoutAReferenceDate) {
    expectDates("de-DE", kDayMonthYear, {{u"15", 2001, 1, 15}, {u"30.2", 0, 0, 0}}, u"");
    expectDates("de-DE", kDayMonthYear, {{u"3", 2001, 1, 3}, {u"30.2", 0, 0, 0}}, u"no date");
}

TEST(CompleteTimeEntryTest, CompletesTimes) {
    ScopedRegion region("en-US");
    const String reference = u"reference";
    struct Case {
        const char16_t* typed;
        int hour, minute, second;  // hour -1: the reference text comes back
    };
    const Case cases[] = {
        {u"930", 9, 30, 0},   {u"9:30:15", 9, 30, 15}, {u"123456", 12, 34, 56},
        {u"24", -1, 0, 0},    {u"2530", 2, 53, 0},     {u"1:5:7", 1, 5, 7},
        {u"130p", 13, 0, 0},  {u"9 p.m.", 21, 0, 0},   {u"12 AM", 12, 0, 0},
        {u"9:60", 9, 6, 0},   {u"1:2:75", 1, 2, 0},    {u"1:2:-5", -1, 0, 0},
        {u"12 PM", 12, 0, 0}, {u":45", 0, 45, 0},      {u"1:30p", 13, 30, 0},
        {u"1:5", 1, 5, 0},    {u"9p", 21, 0, 0},       {u"9 PM", 21, 0, 0},
    };
    for (const Case& c : cases) {
        String expected =
            c.hour < 0 ? reference : dateToText(timeSerial(c.hour, c.minute, c.second));
        EXPECT_EQ(u8(CompleteTimeEntry(c.typed, reference)), u8(expected)) << u8(c.typed);
    }
}

}  // namespace
}  // namespace quelta
