#include "form/JsonText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace quelta {
namespace {

void appendEscaped(std::string& json, char c) {
    switch (c) {
        case '"':
            json += "\\\"";
            return;
        case '\\':
            json += "\\\\";
            return;
        case '\b':
            json += "\\b";
            return;
        case '\f':
            json += "\\f";
            return;
        case '\n':
            json += "\\n";
            return;
        case '\r':
            json += "\\r";
            return;
        case '\t':
            json += "\\t";
            return;
        default:
            break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        constexpr char kHex[] = "0123456789abcdef";
        const char escape[] = {'\\', 'u', '0', '0', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
        json.append(escape, sizeof escape);
    } else {
        json += c;
    }
}

}  // namespace

void appendJsonString(std::string& json, StringView text) {
    json += '"';
    // Names, keys and values are nearly always ASCII with nothing to escape: copied whole.
    const bool plain = std::all_of(text.begin(), text.end(), [](char16_t c) {
        return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
    });
    if (plain) {
        const std::size_t start = json.size();
        json.resize(start + text.size());
        std::copy(text.begin(), text.end(), json.begin() + static_cast<std::ptrdiff_t>(start));
    } else {
        for (char c : toUtf8(text))
            appendEscaped(json, c);
    }
    json += '"';
}

void appendJsonNumber(std::string& json, std::int32_t number) {
    char digits[16];
    json.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

void appendJsonNumber(std::string& json, double number) {
    if (!std::isfinite(number)) {
        json += "null";
        return;
    }
    if (std::signbit(number)) json += '-';
    if (number == 0) {
        json += "0.0";
        return;
    }
    // d.ddde+XX: the digits, and where the decimal point goes among them.
    char scientific[32];
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(number),
                                    std::chars_format::scientific)
                          .ptr;
    const char* e = std::find(static_cast<const char*>(scientific), end, 'e');
    char digits[24];
    int count = 0;
    for (const char* p = scientific; p != e; ++p) {
        if (*p != '.') digits[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(e + 2, end, exponent);                       // after "e+" or "e-"
    const int point = (e[1] == '-' ? -exponent : exponent) + 1;  // digits before the point
    const std::string_view all(digits, static_cast<std::size_t>(count));
    constexpr int kLargestFixed = 15;
    if (count <= point && point <= kLargestFixed) {
        json += all;
        json.append(static_cast<std::size_t>(point - count), '0');
        json += ".0";
    } else if (0 < point && point <= kLargestFixed) {
        json += all.substr(0, static_cast<std::size_t>(point));
        json += '.';
        json += all.substr(static_cast<std::size_t>(point));
    } else if (-4 < point && point <= 0) {
        json += "0.";
        json.append(static_cast<std::size_t>(-point), '0');
        json += all;
    } else {
        json += all.substr(0, 1);
        if (count > 1) {
            json += '.';
            json += all.substr(1);
        }
        json += point - 1 < 0 ? "e-" : "e+";
        if (std::abs(point - 1) < 10) json += '0';
        appendJsonNumber(json, static_cast<std::int32_t>(std::abs(point - 1)));
    }
}

}  // namespace quelta
