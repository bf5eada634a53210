#include "platform/runtime/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quelta {
namespace {

void dropTrailingZeros(DecimalDigits& number) {
    while (number.count > 0 && number.digits[number.count - 1] == '0')
        --number.count;
}

}  // namespace

DecimalDigits decimalDigitsOf(double value, int significantDigits) {
    DecimalDigits number;
    value = std::fabs(value);
    if (value == 0 || !std::isfinite(value)) return number;
    significantDigits = std::clamp(significantDigits, 1, 17);
    char text[40];
    // "d.ddddde+xx": the leading digit, the rest, then the decimal exponent.
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                significantDigits - 1);
    const char* end = result.ptr;
    const char* at = text;
    while (at < end && *at != 'e') {
        if (*at != '.') number.digits[number.count++] = *at;
        ++at;
    }
    int exponent = 0;
    std::from_chars(at + 1 + (at[1] == '+' ? 1 : 0), end, exponent);
    number.pointPosition = exponent + 1;
    dropTrailingZeros(number);
    return number;
}

DecimalDigits decimalDigitsOfScaled(std::int64_t scaled, int scale) {
    DecimalDigits number;
    // The magnitude as unsigned, so that the most negative amount has one too.
    std::uint64_t magnitude =
        scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    if (magnitude == 0) return number;
    auto result = std::to_chars(number.digits, number.digits + DecimalDigits::kCapacity, magnitude);
    number.count = static_cast<int>(result.ptr - number.digits);
    number.pointPosition = number.count - scale;
    dropTrailingZeros(number);
    return number;
}

void roundToFraction(DecimalDigits& number, int fractionDigits) {
    long long keep = static_cast<long long>(number.pointPosition) + fractionDigits;
    if (keep >= number.count) return;
    if (keep < 0) {  // less than half of the last place shown
        number.count = 0;
        return;
    }
    bool roundUp = number.digits[keep] >= '5';
    number.count = static_cast<int>(keep);
    if (roundUp) {
        int last = number.count - 1;
        while (last >= 0 && number.digits[last] == '9')
            --last;
        if (last < 0) {  // 9.995 -> 10.00: the carry adds a digit in front
            number.digits[0] = '1';
            number.count = 1;
            ++number.pointPosition;
        } else {
            ++number.digits[last];
            number.count = last + 1;
        }
    }
    dropTrailingZeros(number);
}

}  // namespace quelta
