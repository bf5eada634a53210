#include <gtest/gtest.h>

#include <string>

#include "platform/DecimalDigits.h"

namespace quelta {
namespace {

// "0.digits e pointPosition", or "0" for zero.
std::string describe(const DecimalDigits& number) {
    if (number.isZero()) return "0";
    return "0." + std::string(number.digits, number.count) + "e" +
           std::to_string(number.pointPosition);
}

TEST(DecimalDigitsTest, FifteenSignificantDigitsOfADouble) {
    struct Case {
        double value;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {0, 15, "0"},
        {1234.5, 15, "0.12345e4"},
        {-1234.5, 15, "0.12345e4"},
        {2.675, 15, "0.2675e1"},
        {1.005, 15, "0.1005e1"},
        {0.1 + 0.2, 15, "0.3e0"},
        {1e300, 15, "0.1e301"},
        {1e-300, 15, "0.1e-299"},
        {0.1f, 7, "0.1e0"},
        {123456789012345678.0, 15, "0.123456789012346e18"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(decimalDigitsOf(c.value, c.digits)), c.expected) << c.value;
    }
    EXPECT_EQ(describe(decimalDigitsOfScaled(-12345678, 4)), "0.12345678e4");
    EXPECT_EQ(describe(decimalDigitsOfScaled(INT64_MIN, 4)), "0.9223372036854775808e15");
}

TEST(DecimalDigitsTest, RoundsHalfAwayFromZero) {
    struct Case {
        double value;
        int fraction;
        const char* expected;
    };
    const Case cases[] = {
        {2.675, 2, "0.268e1"}, {9.995, 2, "0.1e2"}, {0.005, 2, "0.1e-1"},   {0.0049, 2, "0"},
        {0.5, 0, "0.1e1"},     {0.4, 0, "0"},       {1234.5, -2, "0.12e4"}, {99.5, 0, "0.1e3"},
        {1.25, 5, "0.125e1"},  {1e-300, 2, "0"},    {45, -2, "0"},          {55, -2, "0.1e3"},
    };
    for (const Case& c : cases) {
        DecimalDigits number = decimalDigitsOf(c.value, 15);
        roundToFraction(number, c.fraction);
        EXPECT_EQ(describe(number), c.expected) << c.value << " to " << c.fraction;
    }
}

}  // namespace
}  // namespace quelta
