#include "platform/runtime/Conversions.h"

#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/runtime/ConversionNotation.h"
#include "platform/runtime/DatePatternRenderer.h"
#include "platform/runtime/DateTextParser.h"
#include "platform/runtime/NumberTextParser.h"

namespace quelta {
namespace {

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t';
}

StringView trimmed(StringView text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

int currentYear() {
    return datePartsOf(Today()).year;
}

}  // namespace

bool textToBoolean(StringView text) {
    StringView word = trimmed(text);
    if (equalsIgnoringAsciiCase(word, u"TRUE")) return true;
    if (equalsIgnoringAsciiCase(word, u"FALSE")) return false;
    NumberParseResult number = parseRegionalNumber(text, currentNotation());
    if (number.status != NumberParseStatus::Ok) raiseError(kErrTypeMismatch);
    return number.value != 0;
}

double textToDouble(StringView text) {
    NumberParseResult number = parseRegionalNumber(text, currentNotation());
    if (number.status == NumberParseStatus::Overflow) raiseError(kErrOverflow);
    if (number.status != NumberParseStatus::Ok) raiseError(kErrTypeMismatch);
    return number.value;
}

bool isNumericText(StringView text) {
    return parseRegionalNumber(text, currentNotation()).status == NumberParseStatus::Ok;
}

double textToDate(StringView text) {
    std::optional<double> serial = parseDateText(text, currentNotation(), &currentYear);
    if (!serial) raiseError(kErrTypeMismatch);
    return *serial;
}

bool isDateText(StringView text) {
    return parseDateText(text, currentNotation(), &currentYear).has_value();
}

String booleanToText(bool value) {
    return value ? u"True" : u"False";
}

String dateToText(double serial) {
    const RegionalSettings& settings = currentRegionalSettings();
    DateParts parts = datePartsOf(serial);
    bool hasTime = parts.hour != 0 || parts.minute != 0 || parts.second != 0;
    // Rounding to the second may carry into the next day, so test the parts, not the serial.
    bool hasDate = !(parts.year == 1899 && parts.month == 12 && parts.day == 30);
    String text;
    text.reserve(32);
    if (hasDate) renderDatePattern(settings.shortDatePattern, parts, settings, text);
    if (hasDate && hasTime) text += u' ';
    if (hasTime || !hasDate) renderDatePattern(settings.longTimePattern, parts, settings, text);
    return text;
}

double val(StringView text) {
    return leadingInvariantNumber(text);
}

}  // namespace quelta
