// How date texts are read where numbers, times and full stops could be taken either way,
// and how the default text writes early years. The clock of ScopedRegion is in 2001.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/region/Calendar.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {
namespace {

using testing::u8;

double at(int y, int m, int d, int hh = 0, int nn = 0, int ss = 0) {
    return combineDateAndTime(dateSerial(y, m, d), timeSerial(hh, nn, ss));
}

double timeAt(int hh, int nn, int ss = 0) {
    return at(1899, 12, 30, hh, nn, ss);
}

struct ReadingCase {
    const char* region;
    const char* text;
    double expected;  // 0: not a date
};

void expectReadings(std::initializer_list<ReadingCase> cases) {
    for (const ReadingCase& c : cases) {
        ScopedRegion region(c.region);
        String text = fromUtf8(c.text);
        bool isDate = isDateText(text);
        EXPECT_EQ(isDate, c.expected != 0) << c.region << " [" << c.text << "]";
        if (isDate && c.expected != 0) {
            EXPECT_EQ(textToDate(text), c.expected) << c.region << " [" << c.text << "]";
        }
    }
}

// Where the full stop does not separate dates, it separates hours, minutes and seconds.
TEST(DateTextReadingTest, FullStopBetweenTimeNumbers) {
    expectReadings({{"en-US", "9.30", timeAt(9, 30)},
                    {"en-US", "1.5.2", timeAt(1, 5, 2)},
                    {"en-US", "31.12.2000", 0},
                    {"es-ES", "31.12.2000", 0},
                    {"en-US", "-1.1", 0},
                    {"en-US", "1.1-", 0},
                    {"de-DE", "9.30", at(2001, 9, 30)},
                    {"de-DE", "1.5.2", at(2002, 5, 1)},
                    {"ko-KR", "2000.12.31", at(2000, 12, 31)}});  // dates separate with ". "
}

// A time before or after the date's numbers, never between them; a lone day period makes
// the number before it an hour; an hour above 12 keeps its meaning beside a day period.
TEST(DateTextReadingTest, TimesAmongDateNumbers) {
    expectReadings({{"en-US", "1.2 3 4", at(2001, 3, 4, 1, 2)},
                    {"en-US", "1 2 am 3", 0},
                    {"en-US", "1 2.3 4", 0},
                    {"en-US", "Dec 13:45 31 2000", 0},
                    {"en-US", "Dec 31 2000 13:45", at(2000, 12, 31, 13, 45)},
                    {"en-US", "0.0", 0},
                    {"en-US", "0.30", timeAt(0, 30)},
                    {"en-US", "3 4 1.2", at(2001, 3, 4, 1, 2)},
                    {"en-US", "1 2 3 4.5", at(2003, 1, 2, 4, 5)},
                    {"en-US", "3 am 1 2", at(2001, 1, 2, 3)},
                    {"en-US", "13:00 PM", timeAt(13, 0)},
                    {"en-US", "1.5 2", 0},
                    {"en-US", "1 5.2", 0},
                    {"en-US", "1.2 3 4 am", 0}});
}

// Three numbers are read year first when the first cannot lead the regional order; with a
// month name, a day and year that make no date are read as year and day. Any kind of space
// separates.
TEST(DateTextReadingTest, YearFirstAndAnySpace) {
    expectReadings({{"en-US", "14 2 3", at(2014, 2, 3)},
                    {"en-US", "12 2 3", at(2003, 12, 2)},
                    {"de-DE", "32 1 2", at(1932, 1, 2)},
                    {"en-US", "29 FEB 01", at(2029, 2, 1)},
                    {"en-US", "28 feb 01", at(2001, 2, 28)},
                    {"en-US", "1\u30002\u30002000", at(2000, 1, 2)},
                    {"en-US", "1:45\u205FPM", timeAt(13, 45)}});
}

// The default text writes a year before 1000 as it is; the year code still pads it.
TEST(DateTextReadingTest, DefaultTextOfEarlyYears) {
    ScopedRegion region("en-US");
    EXPECT_EQ(u8(dateToText(at(999, 12, 31))), "12/31/999");
    EXPECT_EQ(u8(formatValue(Variant(Date{at(100, 1, 1)}), u"c")), "1/1/100");
    EXPECT_EQ(u8(formatValue(Variant(Date{at(100, 1, 1)}), u"yyyy")), "0100");
    EXPECT_EQ(textToDate(u"12/31/999"), at(999, 12, 31));
    // The first day of the range holds its times too, as a number converted back.
    double firstMorning = textToDate(u"1/1/100 9.30");
    EXPECT_EQ(Variant(firstMorning).toDate().serial, firstMorning);
    EXPECT_EQ(u8(dateToText(firstMorning)), "1/1/100 9:30:00 AM");
    ScopedRegion german("de-DE");
    EXPECT_EQ(u8(dateToText(at(999, 1, 5))), "05.01.999");
}

}  // namespace
}  // namespace quelta
