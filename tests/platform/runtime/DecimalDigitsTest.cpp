// The integer rounding of a double's decimal digits must agree with the library's printer,
// on which the rest of the magnitudes still rely.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "platform/runtime/DecimalDigits.h"

namespace quelta {
namespace {

// "d.ddde+x" of the printer, as digits without trailing zeros and the point position.
std::string printed(double value, int significantDigits) {
    char text[40];
    auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                             significantDigits - 1)
                   .ptr;
    std::string digits;
    const char* at = text;
    for (; *at != 'e'; ++at)
        if (*at != '.') digits += *at;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return digits + "@" +
           std::to_string(std::stoi(std::string(at + 1, static_cast<const char*>(end))) + 1);
}

std::string text(const DecimalDigits& d) {
    return std::string(d.digits, static_cast<std::size_t>(d.count)) + "@" +
           std::to_string(d.pointPosition);
}

std::string ours(double value, int significantDigits) {
    return text(decimalDigitsOf(value, significantDigits));
}

TEST(DecimalDigitsTest, AgreesWithThePrinterOnEveryMagnitude) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-12, 18);
    for (int i = 0; i < 50000; ++i) {
        double value = std::pow(10.0, exponent(random));
        if (i % 4 == 0 && value > 1) value = std::round(value * 1000) / 1000;  // amounts
        for (int digits : {15, 7, 17}) {
            ASSERT_EQ(ours(value, digits), printed(value, digits)) << value << " " << digits;
        }
    }
    // Exact ties go to the even digit, carries add a digit in front.
    for (double value : {1234567890123455.0, 1234567890123445.0, 9.9999999999999995, 0.5, 1e-8}) {
        EXPECT_EQ(ours(value, 15), printed(value, 15)) << value;
    }
}

// Rounding once to a section's places gives what rounding the digits twice gives, carries
// and values that round away included.
TEST(DecimalDigitsTest, RoundingToPlacesInOneStepAgreesWithTwoSteps) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> exponent(-8, 18);
    for (int i = 0; i < 20000; ++i) {
        double value = std::pow(10.0, exponent(random));
        if (i % 3 == 0) value = std::round(value * 100) / 100 + 0.005;  // ties at two places
        for (auto [power, places] : {std::pair{0, 2}, {2, 0}, {-3, 1}, {0, 0}, {0, 20}, {-9, 3}}) {
            DecimalDigits twice = decimalDigitsOf(value, 15);
            shiftDecimalPoint(twice, power);
            roundToFraction(twice, places);
            DecimalDigits once = decimalDigitsOf(value, 15, power, places);
            ASSERT_EQ(once.isZero() ? "0" : text(once), twice.isZero() ? "0" : text(twice))
                << value << " " << power << " " << places;
        }
    }
    EXPECT_EQ(text(decimalDigitsOf(9.995, 15, 0, 2)), "1@2");
    EXPECT_EQ(text(decimalDigitsOf(2.675, 15, 0, 2)), "268@1");
    EXPECT_TRUE(decimalDigitsOf(0.004, 15, 0, 2).isZero());
}

}  // namespace
}  // namespace quelta
