#include <gtest/gtest.h>

#include <string>

#include "platform/runtime/DecimalDigits.h"

namespace quelta {
namespace {

// "0.digits e pointPosition", or "0" for zero.
std::string describe(const DecimalDigits& number) {
    if (number.isZero()) return "0";
    return "0." + std::string(number.digits, number.count) + "e" +
           std::to_string(number.pointPosition);
}

TEST(DecimalDigitsTest, RoundsHalfAwayFromZero) {
    struct Case {
        double value;
        int fraction;
        const char* expected;
    };
    const Case cases[] = {
        {2.675, 2, "0.268e1"}, {9.995, 2, "0.1e2"},    {0.005, 2, "0.1e-1"}, {0.0049, 2, "0"},
        {0.4, 0, "0"},         {1234.5, -2, "0.12e4"}, {45, -2, "0"},        {55, -2, "0.1e3"},
    };
    for (const Case& c : cases) {
        DecimalDigits number = decimalDigitsOf(c.value, 15);
        roundToFraction(number, c.fraction);
        EXPECT_EQ(describe(number), c.expected) << c.value << " to " << c.fraction;
    }
}

}  // namespace
}  // namespace quelta
