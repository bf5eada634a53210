#include "platform/runtime/Conversions.h"

#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/runtime/ConversionNotation.h"
#include "platform/runtime/DateTextParser.h"
#include "platform/runtime/NumberTextParser.h"
#include "platform/runtime/format/DateFormatter.h"

namespace quelta {
namespace {

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t';
}

int currentYear() {
    return datePartsOf(Today()).year;
}

}  // namespace

std::optional<bool> tryTextToBoolean(StringView text) {
    StringView word = trimmedBy(text, isSpace);
    // The literal forms that Write # puts in files, exactly as written there.
    if (equalsIgnoringAsciiCase(word, u"TRUE") || word == u"#TRUE#") return true;
    if (equalsIgnoringAsciiCase(word, u"FALSE") || word == u"#FALSE#") return false;
    NumberParseResult number = parseRegionalNumber(text, currentNotation());
    if (number.status != NumberParseStatus::Ok) return std::nullopt;
    return number.value != 0;
}

bool textToBoolean(StringView text) {
    const std::optional<bool> value = tryTextToBoolean(text);
    if (!value) raiseError(kErrTypeMismatch);
    return *value;
}

double textToDouble(StringView text) {
    NumberParseResult number = parseRegionalNumber(text, currentNotation());
    if (number.status == NumberParseStatus::Overflow) raiseError(kErrOverflow);
    if (number.status != NumberParseStatus::Ok) raiseError(kErrTypeMismatch);
    return number.value;
}

std::optional<double> tryTextToDouble(StringView text) {
    NumberParseResult number = parseRegionalNumber(text, currentNotation());
    if (number.status != NumberParseStatus::Ok) return std::nullopt;
    return number.value;
}

bool isNumericText(StringView text) {
    return tryTextToDouble(text).has_value();
}

std::optional<double> tryTextToDate(StringView text) {
    return parseDateText(text, currentNotation(), &currentYear);
}

double textToDate(StringView text) {
    const std::optional<double> serial = tryTextToDate(text);
    if (!serial) raiseError(kErrTypeMismatch);
    return *serial;
}

bool isDateText(StringView text) {
    return tryTextToDate(text).has_value();
}

String booleanToText(bool value) {
    return value ? u"True" : u"False";
}

// The general date of the Format routine, so that the regional patterns are read by the
// one parser of the code language.
String dateToText(double serial) {
    String text;
    text.reserve(32);
    appendGeneralDate(text, serial, DateContext{currentRegionalSettings()});
    return text;
}

double val(StringView text) {
    NumberParseResult number = leadingInvariantNumber(text);
    if (number.status == NumberParseStatus::Overflow) raiseError(kErrOverflow);
    return number.value;
}

}  // namespace quelta
