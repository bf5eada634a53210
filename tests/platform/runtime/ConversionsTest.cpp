#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "TestSupport.h"
#include "platform/region/Calendar.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

using testing::u8;
String u16(const char* text) {
    return fromUtf8(text);
}

// A text read in a region, and what it should give.
template <typename Expected>
struct RegionCase {
    const char* region;
    const char* text;
    Expected expected;
};

constexpr double kNoDate = std::numeric_limits<double>::quiet_NaN();

// Each text reads as its date in its region, or is no date at all.
void expectDates(std::initializer_list<RegionCase<double>> cases) {
    for (const auto& c : cases) {
        ScopedRegion region(c.region);
        const String text = u16(c.text);
        EXPECT_EQ(isDateText(text), !std::isnan(c.expected)) << c.region << " [" << c.text << "]";
        if (!std::isnan(c.expected)) {
            EXPECT_DOUBLE_EQ(textToDate(text), c.expected) << c.region << " [" << c.text << "]";
        }
    }
}

// The clock of ScopedRegion is in 2001: a text without a year reads in that year.
double at(int y, int m, int d, int hh = 0, int nn = 0, int ss = 0) {
    return combineDateAndTime(dateSerial(y, m, d), timeSerial(hh, nn, ss));
}

double timeAt(int hh, int nn, int ss = 0) {
    return at(1899, 12, 30, hh, nn, ss);
}

TEST(TextToDoubleTest, RegionalNotations) {
    const RegionCase<double> cases[] = {
        {"en-US", "  -12  ", -12},
        {"en-US", "12-", -12},
        {"en-US", "($5.25)", -5.25},
        {"en-US", "-$5", -5},
        {"en-US", "1.5e-3", 1.5e-3},
        {"en-US", ".5", 0.5},
        {"en-US", "1,2,3", 123},  // group separators are not checked for position
        {"en-US", "&hffff", -1},  // four hex digits form a 16-bit integer
        {"en-US", "&H10000", 65536},
        {"en-US", "&O177777", -1},
        {"en-US", "1e-400", 0},  // underflow is zero
        {"de-DE", "1.5", 15},    // the full stop groups digits here
        {"de-DE", "-1.234,5 €", -1234.5},
        {"fr-FR", "1 234,5 €", 1234.5},
        {"de-CH", "1'234.5", 1234.5},
        {"de-CH", "CHF-12.5", -12.5},
        {"sv-SE", "\u221212,5", -12.5},  // the region's own minus sign
        {"ja-JP", "￥1,234", 1234},
    };
    for (const auto& c : cases) {
        ScopedRegion region(c.region);
        EXPECT_EQ(textToDouble(u16(c.text)), c.expected) << c.region << " " << c.text;
        EXPECT_TRUE(isNumericText(u16(c.text))) << c.region << " " << c.text;
    }
}

TEST(TextToDoubleTest, MustFail) {
    const RegionCase<int> cases[] = {
        {"en-US", "", 13},      {"en-US", "abc", 13},        {"en-US", "1.2.3", 13},
        {"en-US", "--5", 13},   {"en-US", "(5", 13},         {"en-US", "(-5)", 13},
        {"en-US", "1E", 13},    {"en-US", "E5", 13},         {"en-US", ".", 13},
        {"en-US", "$$5", 13},   {"en-US", "5 5", 13},        {"en-US", "1,5€", 13},
        {"en-US", "&H", 13},    {"en-US", "&O8", 13},        {"en-US", "&X1", 13},
        {"en-US", "1E400", 6},  {"en-US", "&H100000000", 6}, {"en-US", "12%%", 13},
        {"de-DE", "1,2,3", 13}, {"de-DE", "$5", 13},         {"fr-FR", "1  234", 13},
    };
    for (const auto& c : cases) {
        ScopedRegion region(c.region);
        EXPECT_EQ(errorNumberOf([&] { textToDouble(u16(c.text)); }), c.expected)
            << c.region << " [" << c.text << "]";
        EXPECT_FALSE(isNumericText(u16(c.text))) << c.region << " [" << c.text << "]";
    }
}

TEST(DoubleToTextTest, PlainAndExponentForms) {
    ScopedRegion region("en-US");
    const std::pair<double, const char*> cases[] = {
        {-0.0, "0"},
        {-1234.5, "-1234.5"},
        {0.1 + 0.2, "0.3"},  // 15 significant digits
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {1234567890123456, "1.23456789012346E+15"},
        {0.00001, "1E-05"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    };
    for (auto [value, expected] : cases)
        EXPECT_EQ(u8(doubleToText(value)), expected);
}

TEST(DoubleToTextTest, SingleAndCurrencyForms) {
    ScopedRegion region("de-DE");
    EXPECT_EQ(u8(doubleToText(-1.5e15)), "-1,5E+15");
    EXPECT_EQ(u8(singleToText(1.1f)), "1,1");
    EXPECT_EQ(u8(singleToText(12345678.0f)), "1,234568E+07");
    EXPECT_EQ(u8(singleToText(1234567.0f)), "1234567");
    EXPECT_EQ(u8(currencyToText(Currency{125000})), "12,5");
    EXPECT_EQ(u8(currencyToText(Currency{-1})), "-0,0001");
    EXPECT_EQ(u8(currencyToText(Currency{std::numeric_limits<std::int64_t>::min()})),
              "-922337203685477,5808");
}

// Every double of up to 15 significant digits reads back as itself from its text.
TEST(DoubleToTextTest, TextReadsBackAsTheSameDouble) {
    std::mt19937_64 random(42);
    for (const char* name : {"en-US", "de-DE", "fr-FR", "ja-JP"}) {
        ScopedRegion region(name);
        for (int i = 0; i < 1000; ++i) {
            long long mantissa = static_cast<long long>(random() % 1000000000000000ull);
            int exponent = static_cast<int>(random() % 60) - 30;
            double value = std::stod(std::to_string(mantissa) + "e" + std::to_string(exponent));
            if (i % 2) value = -value;
            ASSERT_EQ(textToDouble(doubleToText(value)), value) << name << " " << value;
        }
    }
}

TEST(TextToBooleanTest, WordsAndNumbers) {
    ScopedRegion region("de-DE");
    const std::pair<const char*, bool> cases[] = {
        {"true", true}, {" FALSE ", false}, {"tRuE", true},  {"0", false},  {"-1", true},
        {"0,5", true},  {"0,0", false},     {"1.000", true}, {"(0)", false}};
    for (auto [text, expected] : cases)
        EXPECT_EQ(textToBoolean(u16(text)), expected) << text;
    for (const char* text : {"", "yes", "Wahr", "truee", "1,2,3", "T"})
        EXPECT_EQ(errorNumberOf([&] { textToBoolean(u16(text)); }), 13) << text;
    EXPECT_EQ(u8(booleanToText(true)) + u8(booleanToText(false)), "TrueFalse");
}

TEST(ValTest, LeadingInvariantNumber) {
    ScopedRegion region("de-DE");  // Val ignores the region
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5}, {"  1 2 3", 123}, {"", 0},       {"-3.5e2", -350},
        {"1,5", 1},     {"&O 17", 15},    {"&Hxyz", 0},  {"- 4", -4},
        {"1D2", 100},   {"1E", 1},        {"1E-400", 0},
    };
    for (auto [text, expected] : cases)
        EXPECT_DOUBLE_EQ(val(u16(text)), expected) << text;
    for (const char* text : {"1E+400", "-1E400", "1 0E3 08"})
        EXPECT_EQ(errorNumberOf([&] { val(u16(text)); }), 6) << text;
}

TEST(TextToDateTest, NumericDatesInRegionalOrder) {
    expectDates({
        {"en-US", "12/31/2000", at(2000, 12, 31)},
        {"en-US", "13/1/2000", at(2000, 1, 13)},    // impossible month: read the other way
        {"en-US", "2000-12-31", at(2000, 12, 31)},  // year first
        {"en-US", "00/12/31", at(2000, 12, 31)},    // neither order works: year first
        {"en-US", "1/2", at(2001, 1, 2)},           // the current year
        {"en-US", "31/12", at(2001, 12, 31)},
        {"en-US", "12/2000", at(2000, 12, 1)},  // month and year
        {"de-DE", "1/2/2000", at(2000, 2, 1)},
        {"de-DE", "1.2.", at(2001, 2, 1)},
        {"ja-JP", "2000/12/31", at(2000, 12, 31)},
        {"nl-NL", "31-12-2000", at(2000, 12, 31)},
    });
}

TEST(TextToDateTest, TwoDigitYearsFallIn1930To2029) {
    ScopedRegion region("en-US");
    // Three digits and more are taken as written; 0 marks a text that is no date.
    const std::pair<const char*, int> cases[] = {
        {"1/1/29", 2029}, {"1/1/30", 1930}, {"1/1/5", 2005}, {"Jan 1 30", 1930},
        {"1/1/100", 100}, {"1/1/0029", 0},  {"1/1/099", 0}};
    for (auto [text, year] : cases) {
        if (year == 0)
            EXPECT_FALSE(isDateText(u16(text))) << text;
        else
            EXPECT_EQ(datePartsOf(textToDate(u16(text))).year, year) << text;
    }
}

// A host may define a region of its own, two-digit years and all.
TEST(HostDefinedRegionTest, ConversionsFollowItsSettings) {
    ScopedRegion region(hostDefinedRegion());
    EXPECT_EQ(textToDouble(u"1'234,5"), 1234.5);
    EXPECT_EQ(textToDouble(u"-0,25"), -0.25);
    EXPECT_FALSE(isNumericText(u"1.5"));
    EXPECT_EQ(u8(doubleToText(-1234.5)), "-1234,5");
    EXPECT_EQ(u8(currencyToText(Currency{12345})), "1,2345");
    struct Case {
        double serial;
        const char* text;
    };
    for (Case c : {Case{at(2000, 12, 31), "31-12-00"},
                   {at(1930, 1, 1), "01-01-30"},
                   {at(2029, 6, 5, 13, 4, 5), "05-06-29 1:04:05 PM"}}) {
        EXPECT_EQ(u8(dateToText(c.serial)), c.text);
        EXPECT_EQ(textToDate(u16(c.text)), c.serial) << c.text;
    }
    // Outside the window the two-digit year cannot say its century.
    EXPECT_EQ(u8(dateToText(at(2045, 1, 1))), "01-01-45");
    EXPECT_EQ(textToDate(u"01-01-45"), at(1945, 1, 1));
    EXPECT_EQ(textToDate(u"13-1"), at(2001, 1, 13));
}

TEST(TextToDateTest, MonthNamesInAnyCaseAndPosition) {
    expectDates({
        {"en-US", "January 5, 2000", at(2000, 1, 5)},
        {"en-US", "Dec 31", at(2001, 12, 31)},
        {"en-US", "31-Dec-99", at(1999, 12, 31)},
        {"de-DE", "3. MÄRZ 2000", at(2000, 3, 3)},
        {"fr-FR", "1 janv. 2000", at(2000, 1, 1)},
        {"ru-RU", "1 января 2000 г.", at(2000, 1, 1)},
        {"es-ES", "31 de diciembre de 2000", at(2000, 12, 31)},
        {"ja-JP", "2000年12月31日日曜日", at(2000, 12, 31)},
        {"pt-BR", "domingo, 31 de dezembro de 2000", at(2000, 12, 31)},  // hyphenated day
        {"hi-IN", "31 दिस॰ 2000", at(2000, 12, 31)},                     // abbreviation sign
        {"th-TH", "31 ธ.ค. 2000", at(2000, 12, 31)},         // full stops inside the name
        {"vi-VN", "31 tháng 12, 2000", at(2000, 12, 31)},    // a name with a number
        {"ar-SY", "31 كانون الأول 2000", at(2000, 12, 31)},  // a name of two words
        {"ar-EG", "الأحد، 31 ديسمبر 2000", at(2000, 12, 31)},
    });
}

TEST(TextToDateTest, TimesAndDayPeriods) {
    expectDates({
        {"en-US", "1:45 p", timeAt(13, 45)},
        {"en-US", "12:00 AM", timeAt(0, 0)},
        {"en-US", "PM 1:45", timeAt(13, 45)},
        {"en-US", "12/31/2000 PM 1:45", at(2000, 12, 31, 13, 45)},  // PM belongs to the time
        {"en-US", "1/1/1800 6:00", -36522 - 0.25},  // before 1900 the time still runs forwards
        {"ja-JP", "午後 1:45", timeAt(13, 45)},
        {"en-CA", "1:45 p.m.", timeAt(13, 45)},
        {"en-CA", "1:45 P.M. 1/2/2000", at(2000, 1, 2, 13, 45)},
        {"es-MX", "1:45 p.\u00A0m.", timeAt(13, 45)},
        {"ko-KR", "2000. 12. 31. 오후 1:45:07", at(2000, 12, 31, 13, 45, 7)},
    });
}

// Where times and dates share the full stop, a complete date is followed by a time, and a
// text that is no date may still be a time.
TEST(TextToDateTest, TimeSeparatorSharedWithDates) {
    RegionalSettings settings = hostDefinedRegion();
    settings.shortDatePattern = u"d/m/yyyy";
    settings.dateSeparator = u".";
    settings.timeSeparator = u".";
    ScopedRegion region(settings);
    EXPECT_EQ(textToDate(u"31.12.2000 13.45.07"), at(2000, 12, 31, 13, 45, 7));
    EXPECT_EQ(textToDate(u"1.2.2000"), at(2000, 2, 1));
    EXPECT_EQ(textToDate(u"13.45"), timeAt(13, 45));
    EXPECT_EQ(textToDate(u"13.45 31.12.2000"), at(2000, 12, 31, 13, 45));
    EXPECT_FALSE(isDateText(u"13.45.07.1"));
}

TEST(TextToDateTest, MustFail) {
    ScopedRegion region("en-US");
    const char* const texts[] = {
        "",        "5",         "2/30/2000", "13/13/2000", "2/29/1900",   "1/2/3/4",
        "25:00",   "12:60",     "25:00 PM",  "12:",        "1/1/2000 PM", "AM",
        "January", "Jan Feb 1", "1/1/10000", "1:00 1:00",  "12/31/2000x", "#12/31/2000#",
    };
    for (const char* text : texts) {
        EXPECT_EQ(errorNumberOf([&] { textToDate(u16(text)); }), 13) << "[" << text << "]";
        EXPECT_FALSE(isDateText(u16(text))) << "[" << text << "]";
    }
    EXPECT_FALSE(isDateText(u"\U0001F600 1/1/2000"));
}

// Where the full stop does not separate dates, it separates hours, minutes and seconds.
TEST(DateTextReadingTest, FullStopBetweenTimeNumbers) {
    expectDates({{"en-US", "9.30", timeAt(9, 30)},
                 {"en-US", "1.5.2", timeAt(1, 5, 2)},
                 {"en-US", "31.12.2000", kNoDate},
                 {"es-ES", "31.12.2000", kNoDate},
                 {"en-US", "-1.1", kNoDate},
                 {"en-US", "1.1-", kNoDate},
                 {"de-DE", "9.30", at(2001, 9, 30)},
                 {"de-DE", "1.5.2", at(2002, 5, 1)},
                 {"ko-KR", "2000.12.31", at(2000, 12, 31)}});  // dates separate with ". "
}

// A time before or after the date's numbers, never between them; a lone day period makes
// the number before it an hour; an hour above 12 keeps its meaning beside a day period. (The
// runtime refusals script reads a time between the numbers and a lone day period.)
TEST(DateTextReadingTest, TimesAmongDateNumbers) {
    expectDates({{"en-US", "1.2 3 4", at(2001, 3, 4, 1, 2)},
                 {"en-US", "Dec 13:45 31 2000", kNoDate},
                 {"en-US", "Dec 31 2000 13:45", at(2000, 12, 31, 13, 45)},
                 {"en-US", "0.30", timeAt(0, 30)},
                 {"en-US", "3 4 1.2", at(2001, 3, 4, 1, 2)},
                 {"en-US", "1 2 3 4.5", at(2003, 1, 2, 4, 5)},
                 {"en-US", "3 am 1 2", at(2001, 1, 2, 3)},
                 {"en-US", "13:00 PM", timeAt(13, 0)},
                 {"en-US", "1.5 2", kNoDate},
                 {"en-US", "1 5.2", kNoDate},
                 {"en-US", "1.2 3 4 am", kNoDate}});
}

// Three numbers are read year first when the first cannot lead the regional order; with a
// month name, a day and year that make no date are read as year and day. Any kind of space
// separates.
TEST(DateTextReadingTest, YearFirstAndAnySpace) {
    expectDates({{"en-US", "14 2 3", at(2014, 2, 3)},
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

TEST(DateToTextTest, ShortDateWithLongTime) {
    struct Case {
        const char* region;
        double serial;
        const char* expected;
    };
    const Case cases[] = {
        {"en-US", at(2000, 12, 31, 13, 45, 7), "12/31/2000 1:45:07 PM"},
        {"en-US", timeAt(0, 0, 0), "12:00:00 AM"},
        {"en-US", at(100, 1, 1), "1/1/100"},
        {"de-DE", at(2000, 1, 5, 13, 45, 7), "05.01.2000 13:45:07"},
        {"ja-JP", at(2000, 1, 5, 9, 5, 0), "2000/01/05 9:05:00"},
    };
    for (const auto& c : cases) {
        ScopedRegion region(c.region);
        EXPECT_EQ(u8(dateToText(c.serial)), c.expected) << c.region;
    }
}

// The region's medium and long dates read back as the same date.
TEST(DateToTextTest, MediumAndLongDatesReadBack) {
    for (const char* name :
         {"en-US", "de-DE", "fr-FR", "ja-JP", "ko-KR", "ru-RU", "es-ES", "pt-BR", "hu-HU", "zh-CN",
          "hi-IN", "ar-EG", "th-TH", "vi-VN", "bg-BG", "fr-CA", "eo", "fa-IR", "ar-SY"}) {
        ScopedRegion region(name);
        const RegionalSettings& settings = currentRegionalSettings();
        for (double serial :
             {at(2000, 12, 31), at(1999, 1, 1), at(2024, 2, 29), at(1066, 10, 14)}) {
            for (const String* pattern : {&settings.mediumDatePattern, &settings.longDatePattern}) {
                String text = formatValue(Variant(Date{serial}), *pattern);
                EXPECT_TRUE(isDateText(text)) << name << " " << u8(text);
                if (isDateText(text)) {
                    EXPECT_EQ(textToDate(text), serial) << name << " " << u8(text);
                }
            }
        }
    }
}

// The text of any date reads back as the same date, to the second.
TEST(DateToTextTest, TextReadsBackAsTheSameDate) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> day(-657434, 2958465);
    std::uniform_int_distribution<int> second(0, 86399);
    for (const char* name :
         {"en-US", "de-DE", "fr-FR", "en-GB", "ja-JP", "ko-KR", "ru-RU", "nl-NL", "hi-IN", "en-CA",
          "es-MX", "fi-FI", "da-DK", "ar-EG", "he-IL", "bg-BG", "fr-CA", "th-TH", "vi-VN"}) {
        ScopedRegion region(name);
        for (int i = 0; i < 1000; ++i) {
            double date = day(random);
            double serial = combineDateAndTime(date, (i % 3 == 0 ? 0 : second(random)) / 86400.0);
            if (i % 10 == 0) serial = second(random) / 86400.0;  // a time alone
            String text = dateToText(serial);
            double back = textToDate(text);
            ASSERT_EQ(u8(dateToText(back)), u8(text)) << name;
            ASSERT_NEAR(back, serial, 1.0 / 86400 / 2) << name << " " << u8(text);
        }
    }
}

}  // namespace
}  // namespace quelta
