// Interim invariant-notation conversions; the regional implementation replaces this file.
#include "platform/Conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Calendar.h"

namespace quelta {
namespace {
std::string narrow(StringView text) { return toUtf8(text); }
String widen(const std::string& text) { return fromUtf8(text); }
}  // namespace

bool textToBoolean(StringView text) {
    std::string t = narrow(text);
    for (auto& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "true") return true;
    if (t == "false") return false;
    return textToDouble(text) != 0;
}

double textToDouble(StringView text) {
    std::string t = narrow(text);
    char* end = nullptr;
    double value = std::strtod(t.c_str(), &end);
    if (t.empty() || end == t.c_str()) raiseError(kErrTypeMismatch);
    while (*end == ' ') ++end;
    if (*end != 0) raiseError(kErrTypeMismatch);
    return value;
}

double textToDate(StringView text) {
    int y = 0, m = 0, d = 0;
    if (std::sscanf(narrow(text).c_str(), "%d-%d-%d", &y, &m, &d) != 3) raiseError(kErrTypeMismatch);
    return dateSerial(y, m, d);
}

bool isDateText(StringView text) {
    return ignoringErrors([&] { textToDate(text); });
}
bool isNumericText(StringView text) {
    return ignoringErrors([&] { textToDouble(text); });
}
String booleanToText(bool value) { return value ? u"True" : u"False"; }
String doubleToText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return widen(buffer);
}
String singleToText(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    return widen(buffer);
}
String currencyToText(Currency value) {
    return doubleToText(static_cast<double>(value.scaled) / 10000.0);
}
String dateToText(double serial) {
    DateParts p = datePartsOf(serial);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", p.year, p.month, p.day);
    return widen(buffer);
}
double val(StringView text) { return std::strtod(narrow(text).c_str(), nullptr); }

}  // namespace quelta
