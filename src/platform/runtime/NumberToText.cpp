// The text forms of numbers: the shortest plain notation with the regional decimal
// separator, switching to exponent form the way the platform does (below 1E-4 and from
// 10^precision on, as "1E-05" and "1.5E+21").
#include <charconv>
#include <cmath>

#include "platform/runtime/ConversionNotation.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DecimalDigits.h"

namespace quelta {
namespace {

void appendDigits(String& text, const DecimalDigits& digits, int from, int to) {
    for (int i = from; i < to; ++i)
        text += static_cast<char16_t>(digits.digitAt(i));
}

// Rounds to `precision` significant digits and writes the general notation of printf's
// %g, with an upper-case exponent of at least two digits and the regional decimal
// separator: plain from 1E-4 up to 10^precision, exponent form outside.
String generalNotation(double value, int precision) {
    if (std::isnan(value)) return u"-1.#IND";
    if (std::isinf(value)) return value > 0 ? u"1.#INF" : u"-1.#INF";
    if (value == 0) return u"0";  // also for negative zero
    const DecimalDigits digits = decimalDigitsOf(value, precision);
    const char16_t separator = currentNotation().decimalSeparator;
    const int exponent = digits.pointPosition - 1;
    String text;
    text.reserve(24);
    if (value < 0) text += u'-';
    if (exponent < -4 || exponent >= precision) {
        appendDigits(text, digits, 0, 1);
        if (digits.count > 1) {
            text += separator;
            appendDigits(text, digits, 1, digits.count);
        }
        text += exponent < 0 ? u"E-" : u"E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) text += u'0';
        char buffer[8];
        auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
        text.append(buffer, end);
    } else if (digits.pointPosition <= 0) {
        text += u'0';
        text += separator;
        text.append(static_cast<std::size_t>(-digits.pointPosition), u'0');
        appendDigits(text, digits, 0, digits.count);
    } else {
        appendDigits(text, digits, 0, digits.pointPosition);
        if (digits.count > digits.pointPosition) {
            text += separator;
            appendDigits(text, digits, digits.pointPosition, digits.count);
        }
    }
    return text;
}

}  // namespace

String doubleToText(double value) {
    return generalNotation(value, 15);
}

String singleToText(float value) {
    return generalNotation(static_cast<double>(value), 7);
}

// Fixed point with up to four decimals, trailing zeros dropped; never in exponent form.
String currencyToText(Currency value) {
    bool negative = value.scaled < 0;
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value.scaled)
                                            : static_cast<unsigned long long>(value.scaled);
    std::string digits = std::to_string(magnitude / 10000);
    unsigned fraction = static_cast<unsigned>(magnitude % 10000);
    String text = negative ? u"-" : u"";
    for (char c : digits)
        text += static_cast<char16_t>(c);
    if (fraction != 0) {
        text += currentNotation().decimalSeparator;
        for (unsigned divisor = 1000; fraction != 0; divisor /= 10) {
            text += static_cast<char16_t>(u'0' + fraction / divisor);
            fraction %= divisor;
        }
    }
    return text;
}

}  // namespace quelta
