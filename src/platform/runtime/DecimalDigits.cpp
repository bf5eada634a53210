#include "platform/runtime/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>

namespace quelta {
namespace {

void dropTrailingZeros(DecimalDigits& number) {
    while (number.count > 0 && number.digits[number.count - 1] == '0')
        --number.count;
}

__extension__ typedef unsigned __int128 Wide;  // a compiler extension of g++ and clang

// 10^0 .. 10^22, exactly.
constexpr std::array<Wide, 23> kPowersOfTen = [] {
    std::array<Wide, 23> powers{};
    Wide power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// Writes the last `count` (at most 18) decimal digits of value, two at a time and in two
// independent halves, so that the divisions do not wait on each other.
void writeDigits(std::uint64_t value, char* out, int count) {
    static constexpr char kPairs[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243"
        "4445464748495051525354555657585960616263646566676869707172737475767778798081828384858687"
        "888990919293949596979899";
    std::uint64_t high = value / 1'000'000'000;
    auto low = static_cast<std::uint32_t>(value % 1'000'000'000);
    int at = count;
    for (int i = 0; i < 4 && at > 1; ++i, at -= 2) {  // the low nine digits, pairs first
        const std::uint32_t pair = low % 100;
        low /= 100;
        out[at - 1] = kPairs[2 * pair + 1];
        out[at - 2] = kPairs[2 * pair];
    }
    if (at > 0) {
        out[--at] = static_cast<char>('0' + low % 10);
    }
    for (; at > 1; at -= 2, high /= 100) {
        const auto pair = static_cast<std::uint32_t>(high % 100);
        out[at - 1] = kPairs[2 * pair + 1];
        out[at - 2] = kPairs[2 * pair];
    }
    if (at > 0) out[0] = static_cast<char>('0' + high % 10);
}

// A magnitude rounded to n significant digits: value = significand * 10^(pointPosition - n)
// with 10^(n-1) <= significand < 10^n.
struct RoundedSignificand {
    std::uint64_t significand = 0;
    int pointPosition = 0;
};

// The significand of a value between 10^(n-23) and 10^n, rounded in exact integer
// arithmetic: value = m * 2^e, so value * 10^s = m * 10^s / 2^-e, and the remainder of that
// division decides the rounding, half to even as the library printer does. Saves the
// general printer's work on the values a form shows; false outside the range, where the
// printer takes over.
bool roundedSignificandExactly(double value, int n, RoundedSignificand& rounded) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    if (biased == 0) return false;  // subnormal
    const std::uint64_t mantissa = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    const int e = biased - 1075;  // value = mantissa * 2^e
    // floor(log10(value)) is this estimate or one more.
    int k = ((e + 52) * 78913) >> 18;
    for (int attempt = 0; attempt < 2; ++attempt, ++k) {
        const int s = n - 1 - k;
        if (s < 0 || s > 22 || e < -127 || e > 0) return false;
        const Wide product = mantissa * kPowersOfTen[static_cast<std::size_t>(s)];
        const unsigned shift = static_cast<unsigned>(-e);
        Wide q = shift == 0 ? product : product >> shift;
        if (q >= kPowersOfTen[static_cast<std::size_t>(n)]) continue;  // k was one short
        if (shift > 0) {
            const Wide remainder = product & ((Wide{1} << shift) - 1);
            const Wide half = Wide{1} << (shift - 1);
            if (remainder > half || (remainder == half && (q & 1) != 0)) ++q;
        }
        rounded.pointPosition = k + 1;
        if (q == kPowersOfTen[static_cast<std::size_t>(n)]) {  // 9.99.. carried to 10.0..
            q /= 10;
            ++rounded.pointPosition;
        }
        rounded.significand = static_cast<std::uint64_t>(q);
        return true;
    }
    return false;
}

// The digits of an integer of `count` digits, without its trailing zeros.
void setDigits(DecimalDigits& number, std::uint64_t value, int count, int pointPosition) {
    writeDigits(value, number.digits, count);
    number.count = count;
    number.pointPosition = pointPosition;
    dropTrailingZeros(number);
}

}  // namespace

DecimalDigits decimalDigitsOf(double value, int significantDigits) {
    DecimalDigits number;
    value = std::fabs(value);
    if (value == 0 || !std::isfinite(value)) return number;
    significantDigits = std::clamp(significantDigits, 1, 17);
    RoundedSignificand rounded;
    if (roundedSignificandExactly(value, significantDigits, rounded)) {
        setDigits(number, rounded.significand, significantDigits, rounded.pointPosition);
        return number;
    }
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

// The second rounding works on the significand: keeping `keep` of its n digits divides by
// 10^(n - keep), and the first digit dropped is 5 or more exactly when the remainder is at
// least half the divisor.
DecimalDigits decimalDigitsOf(double value, int significantDigits, int power, int fractionDigits) {
    DecimalDigits number;
    const double magnitude = std::fabs(value);
    const int n = std::clamp(significantDigits, 1, 17);
    RoundedSignificand rounded;
    if (magnitude == 0 || !std::isfinite(magnitude) ||
        !roundedSignificandExactly(magnitude, n, rounded)) {
        number = decimalDigitsOf(value, significantDigits);
        shiftDecimalPoint(number, power);
        roundToFraction(number, fractionDigits);
        return number;
    }
    const long long pointPosition = static_cast<long long>(rounded.pointPosition) + power;
    const long long keep = pointPosition + fractionDigits;
    if (keep >= n) {
        setDigits(number, rounded.significand, n, static_cast<int>(pointPosition));
        return number;
    }
    if (keep < 0) return number;  // less than half of the last place shown
    const auto divisor =
        static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(n - keep)]);
    std::uint64_t kept = rounded.significand / divisor;
    if (rounded.significand % divisor >= divisor / 2) ++kept;
    if (kept == 0) return number;
    if (kept == kPowersOfTen[static_cast<std::size_t>(keep)]) {  // 9.995 -> 10.00
        setDigits(number, 1, 1, static_cast<int>(pointPosition) + 1);
    } else {
        setDigits(number, kept, static_cast<int>(keep), static_cast<int>(pointPosition));
    }
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
