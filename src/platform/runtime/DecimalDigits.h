#pragma once
// The decimal form of a number's magnitude, as the Format routine rounds and prints it:
// value = 0.d1 d2 ... dn * 10^pointPosition, without leading or trailing zeros (no digits
// at all for zero). Working on these digits rather than on the double keeps rounding exact:
// 2.675 is 2.67499999... as a double but 2.675 in its 15-digit decimal form, and rounds to
// 2.68 as a reader of the number expects.

#include <cstdint>

namespace quelta {

struct DecimalDigits {
    static constexpr int kCapacity = 24;
    char digits[kCapacity] = {};
    int count = 0;
    int pointPosition = 0;  // number of digits before the decimal point

    bool isZero() const { return count == 0; }
    // The digit at a position counted from the first significant one; '0' outside.
    char digitAt(int index) const { return index >= 0 && index < count ? digits[index] : '0'; }
};

// The magnitude of a finite double to `significantDigits` (1..17) significant digits,
// rounded to nearest by the shortest-round-trip printer.
DecimalDigits decimalDigitsOf(double value, int significantDigits);

// decimalDigitsOf, then shiftDecimalPoint by `power` and roundToFraction to
// `fractionDigits`, in one step that writes only the digits kept: what a number section
// without an exponent shows of a double.
DecimalDigits decimalDigitsOf(double value, int significantDigits, int power, int fractionDigits);

// The magnitude of an integer amount scaled by 10^-scale (a currency's four decimals),
// exactly.
DecimalDigits decimalDigitsOfScaled(std::int64_t scaled, int scale);

// Rounds half away from zero to `fractionDigits` places after the decimal point.
void roundToFraction(DecimalDigits& number, int fractionDigits);

// Multiplies by 10^power (percent signs, thousands scaling).
inline void shiftDecimalPoint(DecimalDigits& number, int power) {
    if (!number.isZero()) number.pointPosition += power;
}

}  // namespace quelta
