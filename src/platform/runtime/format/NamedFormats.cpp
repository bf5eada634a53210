#include "platform/runtime/format/NamedFormats.h"

#include <algorithm>

namespace quelta {
namespace {

// Every character escaped, so that a symbol such as "CHF" or "kr." is never read as codes.
String escaped(StringView text) {
    String result;
    for (char16_t c : text) {
        result += u'\\';
        result += c;
    }
    return result;
}

// The placements of the symbol S and the minus M around the number n, as the platform
// numbers them.
constexpr std::u16string_view kPositiveCurrency[] = {u"Sn", u"nS", u"S n", u"n S"};
constexpr std::u16string_view kNegativeCurrency[] = {
    u"(Sn)", u"MSn",  u"SMn",  u"SnM",  u"(nS)", u"MnS",  u"nMS",   u"nSM",
    u"Mn S", u"MS n", u"n SM", u"S nM", u"S Mn", u"nM S", u"(S n)", u"(n S)"};

String placeCurrency(std::u16string_view placement, StringView number, StringView symbol,
                     StringView minus) {
    String result;
    for (char16_t c : placement) {
        if (c == u'n') {
            result += number;
        } else if (c == u'S') {
            result += symbol;
        } else if (c == u'M') {
            result += minus;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

String currencyFormat(const RegionalSettings& settings) {
    String number = u"#,##0";
    int decimals = std::clamp(settings.currencyDecimals, 0, 9);
    if (decimals > 0) number += u'.' + String(static_cast<std::size_t>(decimals), u'0');
    String symbol = escaped(settings.currencySymbol);
    String minus = escaped(settings.negativeSign.empty() ? u"-" : settings.negativeSign);
    int positive = std::clamp(settings.positiveCurrencyPattern, 0, 3);
    int negative = std::clamp(settings.negativeCurrencyPattern, 0, 15);
    return placeCurrency(kPositiveCurrency[positive], number, symbol, minus) + u';' +
           placeCurrency(kNegativeCurrency[negative], number, symbol, minus);
}

std::optional<NamedFormat> resolveNamedFormat(StringView format, const RegionalSettings& settings) {
    // Every name is 5 to 14 characters long and starts with a letter; most formats are
    // rejected by that alone.
    if (format.size() < 5 || format.size() > 14) return std::nullopt;
    const char16_t first = static_cast<char16_t>(format[0] | 0x20);
    if (first < u'a' || first > u'z') return std::nullopt;
    struct Entry {
        std::u16string_view name;
        String (*pattern)(const RegionalSettings&);
    };
    static const Entry kNames[] = {
        {u"general number", [](const RegionalSettings&) { return String(); }},
        {u"currency", currencyFormat},
        {u"fixed", [](const RegionalSettings&) { return String(u"0.00"); }},
        {u"standard", [](const RegionalSettings&) { return String(u"#,##0.00"); }},
        {u"percent", [](const RegionalSettings&) { return String(u"0.00%"); }},
        {u"scientific", [](const RegionalSettings&) { return String(u"0.00E+00"); }},
        {u"yes/no", [](const RegionalSettings&) { return String(u"\\Y\\e\\s;\\Y\\e\\s;\\N\\o"); }},
        {u"true/false",
         [](const RegionalSettings&) {
             return String(u"\\T\\r\\u\\e;\\T\\r\\u\\e;\\F\\a\\l\\s\\e");
         }},
        {u"on/off", [](const RegionalSettings&) { return String(u"\\O\\n;\\O\\n;\\O\\f\\f"); }},
        {u"general date", [](const RegionalSettings&) { return String(u"c"); }},
        {u"long date", [](const RegionalSettings& s) { return s.longDatePattern; }},
        // The medium forms are fixed shapes in every region; only the month names and the
        // day period's designators are the region's.
        {u"medium date", [](const RegionalSettings&) { return String(u"dd-mmm-yy"); }},
        {u"short date", [](const RegionalSettings& s) { return s.shortDatePattern; }},
        {u"long time", [](const RegionalSettings& s) { return s.longTimePattern; }},
        {u"medium time", [](const RegionalSettings&) { return String(u"hh:nn AMPM"); }},
        {u"short time", [](const RegionalSettings& s) { return s.shortTimePattern; }},
    };
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (format.size() == kNames[i].name.size() &&
            equalsIgnoringAsciiCase(format, kNames[i].name)) {
            return NamedFormat{kNames[i].pattern(settings), i == 0};
        }
    }
    return std::nullopt;
}

}  // namespace quelta
