#include "platform/runtime/NumberTextParser.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quelta {
namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == 0x00A0 || c == 0x202F || c == 0x2009;
}

bool startsWith(StringView text, size_t at, StringView prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

// A number in plain ASCII notation ("-12.5e3") as a double. Beyond the largest double it
// overflows; below the smallest it is zero.
NumberParseResult doubleFromAscii(const std::string& ascii, long long decimalExponent) {
    double value = 0;
    auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (decimalExponent < 0) return {NumberParseStatus::Ok, ascii[0] == '-' ? -0.0 : 0.0};
        return {NumberParseStatus::Overflow, 0};
    }
    if (error != std::errc() || end != ascii.data() + ascii.size()) return {};
    return {NumberParseStatus::Ok, value};
}

// Collects a mantissa and an exponent into ASCII and keeps the order of magnitude, so that
// an out-of-range result can be told apart as overflow or underflow.
struct AsciiNumber {
    std::string text;
    long long integerDigits = 0;         // significant digits before the decimal point
    long long leadingFractionZeros = 0;  // zeros after the point before the first other digit
    long long exponent = 0;
    long long scale = 0;  // a power of ten the number is multiplied by: -2 for a percentage
    bool anyDigit = false;
    bool nonZero = false;

    void digit(char16_t c, bool integerPart) {
        text += static_cast<char>(c);
        anyDigit = true;
        if (c != u'0') nonZero = true;
        if (integerPart && nonZero) ++integerDigits;
        if (!integerPart && !nonZero) ++leadingFractionZeros;
    }
    void setExponent(bool negative, long long value) { exponent = negative ? -value : value; }
    NumberParseResult result() {
        if (!anyDigit) return {};
        long long power = exponent + scale;
        if (power != 0) {
            text += 'e';
            text += std::to_string(power);
        }
        long long position = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
        long long magnitude = nonZero ? position + power : -1;
        return doubleFromAscii(text, magnitude);
    }
};

// Exponent digits, with the value capped far beyond any double's range.
size_t readExponentDigits(StringView text, size_t i, long long& value) {
    value = 0;
    size_t start = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min<long long>(value * 10 + (text[i] - u'0'), 100000000);
    }
    return i - start;
}

// What may stand around the digits of a regional number.
struct Affixes {
    bool negative = false;
    bool sign = false;
    bool openParenthesis = false;
    bool closeParenthesis = false;
    bool currency = false;
};

size_t negativeSignLength(StringView text, size_t i, const ConversionNotation& notation) {
    if (text[i] == u'-' || text[i] == 0x2212) return 1;
    if (startsWith(text, i, notation.negativeSign)) return notation.negativeSign.size();
    return 0;
}

// Reads spaces, a sign, a parenthesis and the currency symbol, each at most once, starting
// at i; returns where they end. `leading` chooses the opening or the closing parenthesis.
size_t readAffixes(StringView text, size_t i, const ConversionNotation& notation, bool leading,
                   Affixes& affixes) {
    while (i < text.size()) {
        char16_t c = text[i];
        size_t minus = negativeSignLength(text, i, notation);
        if (isSpace(c)) {
            ++i;
        } else if (!affixes.sign && (c == u'+' || minus > 0)) {
            affixes.sign = true;
            affixes.negative = minus > 0;
            i += minus > 0 ? minus : 1;
        } else if (leading && !affixes.openParenthesis && c == u'(') {
            affixes.openParenthesis = true;
            ++i;
        } else if (!leading && affixes.openParenthesis && !affixes.closeParenthesis && c == u')') {
            affixes.closeParenthesis = true;
            ++i;
        } else if (!affixes.currency && startsWith(text, i, notation.currencySymbol)) {
            affixes.currency = true;
            i += notation.currencySymbol.size();
        } else {
            break;
        }
    }
    return i;
}

// The length of a group separator at i, or 0. A space-like separator counts only between
// digits, so that a space before a trailing currency symbol is not taken for one.
size_t groupSeparatorLength(StringView text, size_t i, const ConversionNotation& notation) {
    bool digitFollows = i + 1 < text.size() && isDigit(text[i + 1]);
    if (notation.groupSeparatorIsSpace) return isSpace(text[i]) && digitFollows ? 1 : 0;
    if (startsWith(text, i, notation.groupSeparator)) return notation.groupSeparator.size();
    // A typographic apostrophe (Swiss grouping) is typed as the plain one.
    if (notation.groupSeparator == u"\u2019" && text[i] == u'\'') return 1;
    return 0;
}

// Digits, group separators, decimal separator and exponent; returns where they end.
size_t readMantissa(StringView text, size_t i, const ConversionNotation& notation,
                    AsciiNumber& number, bool& malformed) {
    bool anyIntegerDigit = false;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            number.digit(text[i++], true);
            anyIntegerDigit = true;
        } else if (size_t group = anyIntegerDigit ? groupSeparatorLength(text, i, notation) : 0) {
            i += group;
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == notation.decimalSeparator) {
        number.text += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            number.digit(text[i], false);
    }
    if (number.anyDigit && i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        size_t j = i + 1;
        bool negative = j < text.size() && (text[j] == u'-' || text[j] == 0x2212);
        if (j < text.size() && (negative || text[j] == u'+')) ++j;
        long long exponent = 0;
        size_t digits = readExponentDigits(text, j, exponent);
        if (digits == 0) malformed = true;
        number.setExponent(negative, exponent);
        i = j + digits;
    }
    return i;
}

StringView trimmedSpaces(StringView text) {
    return trimmedBy(text, isSpace);
}

}  // namespace

NumberParseResult parseRadixDigits(StringView digits, int radix) {
    if (digits.empty()) return {};
    unsigned long long value = 0;
    for (char16_t c : digits) {
        int d = isDigit(c)                 ? c - u'0'
                : (c >= u'a' && c <= u'f') ? c - u'a' + 10
                : (c >= u'A' && c <= u'F') ? c - u'A' + 10
                                           : 99;
        if (d >= radix) return {};
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFull) return {NumberParseStatus::Overflow, 0};
    }
    bool fitsInteger = radix == 16 ? digits.size() <= 4 : value <= 0xFFFF;
    double result = fitsInteger ? static_cast<double>(static_cast<std::int16_t>(value))
                                : static_cast<double>(static_cast<std::int32_t>(value));
    return {NumberParseStatus::Ok, result};
}

NumberParseResult parseRegionalNumber(StringView text, const ConversionNotation& notation,
                                      TrailingPercent percent) {
    text = trimmedSpaces(text);
    if (text.size() >= 2 && text[0] == u'&') {
        char16_t kind = text[1];
        if (kind == u'H' || kind == u'h') return parseRadixDigits(text.substr(2), 16);
        if (kind == u'O' || kind == u'o') return parseRadixDigits(text.substr(2), 8);
        return {};
    }
    AsciiNumber number;
    if (percent == TrailingPercent::Hundredths && !text.empty() && text.back() == u'%') {
        text = trimmedSpaces(text.substr(0, text.size() - 1));
        number.scale = -2;
    }
    Affixes affixes;
    size_t i = readAffixes(text, 0, notation, true, affixes);
    bool malformed = false;
    i = readMantissa(text, i, notation, number, malformed);
    i = readAffixes(text, i, notation, false, affixes);
    if (malformed || i != text.size() || affixes.openParenthesis != affixes.closeParenthesis ||
        (affixes.openParenthesis && affixes.sign)) {
        return {};
    }
    NumberParseResult result = number.result();
    if (affixes.negative || affixes.openParenthesis) result.value = -result.value;
    return result;
}

namespace {

bool isValSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Skips the characters that Val ignores anywhere inside a number.
size_t skipValSpaces(StringView text, size_t i) {
    while (i < text.size() && isValSpace(text[i]))
        ++i;
    return i;
}

double leadingRadixNumber(StringView text, size_t i, int radix) {
    String digits;
    for (i = skipValSpaces(text, i); i < text.size(); i = skipValSpaces(text, i + 1)) {
        NumberParseResult probe = parseRadixDigits(StringView(&text[i], 1), radix);
        if (probe.status != NumberParseStatus::Ok) break;
        digits += text[i];
    }
    NumberParseResult result = parseRadixDigits(digits, radix);
    if (result.status == NumberParseStatus::Overflow) {
        return static_cast<double>(std::numeric_limits<std::int32_t>::max());
    }
    return result.value;
}

}  // namespace

NumberParseResult leadingInvariantNumber(StringView text) {
    size_t i = skipValSpaces(text, 0);
    if (i + 1 < text.size() && text[i] == u'&') {
        char16_t kind = text[i + 1];
        if (kind == u'H' || kind == u'h')
            return {NumberParseStatus::Ok, leadingRadixNumber(text, i + 2, 16)};
        if (kind == u'O' || kind == u'o')
            return {NumberParseStatus::Ok, leadingRadixNumber(text, i + 2, 8)};
        return {NumberParseStatus::Ok, 0};
    }
    AsciiNumber number;
    bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) i = skipValSpaces(text, i + 1);
    for (; i < text.size() && isDigit(text[i]); i = skipValSpaces(text, i + 1)) {
        number.digit(text[i], true);
    }
    if (i < text.size() && text[i] == u'.') {
        number.text += '.';
        for (i = skipValSpaces(text, i + 1); i < text.size() && isDigit(text[i]);
             i = skipValSpaces(text, i + 1)) {
            number.digit(text[i], false);
        }
    }
    if (!number.anyDigit) return {NumberParseStatus::Ok, 0};
    if (i < text.size() &&
        (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        size_t j = skipValSpaces(text, i + 1);
        bool negativeExponent = j < text.size() && text[j] == u'-';
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+')) j = skipValSpaces(text, j + 1);
        long long exponent = 0;
        String digits;
        for (; j < text.size() && isDigit(text[j]); j = skipValSpaces(text, j + 1)) {
            digits += text[j];
        }
        readExponentDigits(digits, 0, exponent);
        number.setExponent(negativeExponent, exponent);
    }
    NumberParseResult result = number.result();
    if (negative) result.value = -result.value;
    return result;
}

}  // namespace quelta
