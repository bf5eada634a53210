// The text forms of numbers: the shortest plain notation with the regional decimal
// separator, switching to exponent form the way the platform does (below 1E-4 and from
// 10^precision on, as "1E-05" and "1.5E+21").
#include <charconv>
#include <cmath>

#include "platform/runtime/ConversionNotation.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

// Rounds to `precision` significant digits and writes the general notation, with an
// upper-case exponent of at least two digits and the regional decimal separator.
String generalNotation(double value, int precision) {
    if (std::isnan(value)) return u"-1.#IND";
    if (std::isinf(value)) return value > 0 ? u"1.#INF" : u"-1.#INF";
    if (value == 0) return u"0";  // also for negative zero
    char buffer[48];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    if (error != std::errc()) return u"0";
    char16_t separator = currentNotation().decimalSeparator;
    String text;
    text.reserve(static_cast<size_t>(end - buffer));
    for (const char* p = buffer; p != end; ++p) {
        char c = *p;
        text += c == '.' ? separator : c == 'e' ? u'E' : static_cast<char16_t>(c);
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
