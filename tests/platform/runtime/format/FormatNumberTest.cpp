// Numbers through the Format routine's number codes.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "TestSupport.h"
#include "platform/region/RegionTestSupport.h"

namespace quelta {
namespace {

using testing::expectFormats;
using testing::formatIn;

TEST(FormatNumberTest, DigitPlaceholdersAndDecimalPoint) {
    expectFormats(testing::unitedStates(), {{1234.5, "0", "1235"},
                                            {-0.5, "0", "-1"},
                                            {0.0, "#", ""},
                                            {7.0, "000", "007"},
                                            {5.255, "0.0#", "5.26"},
                                            {1.0, "#.##", "1."},
                                            {12.5, ".00", "12.50"},
                                            {std::int32_t(-70000), "#,##0", "-70,000"}});
}

TEST(FormatNumberTest, RoundsHalfAwayFromZeroOnTheFifteenDigitForm) {
    expectFormats(testing::unitedStates(),
                  {{0.005, "0.00", "0.01"},
                   {2.675, "0.00", "2.68"},
                   {9.995, "0.00", "10.00"},
                   {1.0049999, "0.00", "1.00"},
                   {999999.5, "#,##0", "1,000,000"},
                   {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"}});
}

// A number that its section shows as zero is zero to the reader: no minus sign, and the
// zero section when there is one.
TEST(FormatNumberTest, ValuesThatRoundToZeroShowAsZero) {
    expectFormats(testing::unitedStates(), {{-0.001, "0.00", "0.00"},
                                            {-0.001, "0.00;(0.00)", "0.00"},
                                            {-0.001, "0.00;(0.00);\\z\\e\\r\\o", "zero"},
                                            {-0.001, "0.00%", "-0.10%"},
                                            {-1e-300, "0.00", "0.00"},
                                            {-1e-300, "0.00E+00", "-1.00E-300"}});
}

TEST(FormatNumberTest, SectionsAndTheirFallbacks) {
    expectFormats(testing::unitedStates(), {{-5.0, "0;;\\Z", "-5"},
                                            {5.0, ";(0)", "5"},
                                            {-5.0, "0;\"minus\"", "minus"},
                                            {5.0, "\"a;b\"0", "a;b5"}});
}

TEST(FormatNumberTest, GroupingAndThousandsScaling) {
    expectFormats(testing::unitedStates(), {{1234567.891, "#,##0.00", "1,234,567.89"},
                                            {0.0, "#,###", ""},
                                            {1234567.0, "#,##0,", "1,235"},
                                            {1234567890.0, "#,##0,,\\M", "1,235M"},
                                            {1234.0, "0,.00", "1.23"},
                                            {1234.0, ",0", ",1234"}});
    expectFormats(testing::twoDigitYearLand(),
                  {{123456789.0, "#,##0", "12'34'56'789"}, {-1234.5, "#,##0.0", "\u22121'234.5"}});
    expectFormats(testing::germany(), {{1234.5, "#,##0.00", "1.234,50"}, {0.0, "0.0", "0,0"}});
}

// Sections of digits and a decimal point alone are written in one pass; with a literal
// behind them the same digits go through the general token walk, which must agree.
TEST(FormatNumberTest, PlainDigitSectionsAgreeWithTheTokenWalk) {
    const char* formats[] = {"#,##0.00", "0", "#", "000.0#", "#,###", ".00", "0.", "#,##0,.0"};
    const double values[] = {0, 0.004, 0.5, 7, 1234.5, -98765.4321, 123456789012.0, 1e20, 2.675};
    for (const RegionalSettings& region :
         {testing::unitedStates(), testing::twoDigitYearLand(), testing::germany()}) {
        for (const char* format : formats) {
            const std::string walked = std::string(format) + "\\x";
            for (double value : values) {
                EXPECT_EQ(formatIn(region, value, format) + "x",
                          formatIn(region, value, walked.c_str()))
                    << format << " " << value;
            }
        }
    }
}

TEST(FormatNumberTest, PercentAndScientific) {
    expectFormats(testing::unitedStates(), {{0.256, "0%", "26%"},
                                            {0.5, "%", "50%"},
                                            {0.5, "0%%", "5000%%"},
                                            {1234.5, "0.00E+00", "1.23E+03"},
                                            {12345.0, "0.00E-00", "1.23E04"},
                                            {9.995, "0.00E+00", "1.00E+01"},
                                            {1234.5, "00.0e+0", "12.3e+2"},
                                            {-1234.5, "0.0E+0", "-1.2E+3"},
                                            {1234.5, "#.##E+##", "1.23E+3"},
                                            {1234.5, "0.0E", "1234.5E"}});
}

TEST(FormatNumberTest, LiteralsAroundAndBetweenDigits) {
    expectFormats(testing::unitedStates(), {{123456789.0, "000-00-0000", "123-45-6789"},
                                            {5.0, "$#,##0.00", "$5.00"},
                                            {-5.0, "$#,##0.00", "-$5.00"},
                                            {5.0, "0 USD", "5 USD"},
                                            {12.5, "0.0 \"un;its", "12.5 un;its"},
                                            {5.0, "[0]", "[5]"},
                                            {5.0, "\"ab\"\\c0\"de;f\";x", "abc5de;f"},
                                            {5.0, "0/0:0", "0/0:5"}});
}

TEST(FormatNumberTest, HugeTinyAndExactNumbers) {
    expectFormats(testing::unitedStates(),
                  {{1e300, "0", "1" + std::string(300, '0')},
                   {123456789012345678.0, "0", "123456789012346000"},
                   {Currency{9223372036854775807LL}, "0.0000", "922337203685477.5807"},
                   {0.1f, "0.0000000000", "0.1000000000"},
                   {Date{36526.5}, "0.00", "36526.50"},
                   {Variant::boolean(true), "0", "-1"}});
}

TEST(FormatNumberTest, NotANumberAndInfinityAreOverflow) {
    for (double value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(testing::errorNumberOf([&] { formatIn(testing::unitedStates(), value, "0.00"); }),
                  kErrOverflow)
            << value;
    }
}

}  // namespace
}  // namespace quelta
