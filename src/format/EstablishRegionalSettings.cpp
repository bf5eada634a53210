#include "format/EstablishRegionalSettings.h"

#include "control/Quelta.h"
#include "format/NumberGroup.h"
#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/TextRoutines.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {

namespace {

constexpr StringView kDigits = u"1234567890";

bool containsEach(StringView text, StringView characters) {
    return characters.find_first_not_of(text) == StringView::npos;
}

void establishDecimalSeparator(QueltaThreadData& data) {
    String sample = formatValue(Variant(std::int16_t{0}), u"0.0");
    data.DecimalSeparator = sample.size() > 1 ? sample.substr(1, 1) : String(u".");
    data.DecimalSeparatorCode = static_cast<std::int16_t>(Asc(data.DecimalSeparator));
}

// The percent rendering of the digits would show the regional decimal separator among them;
// a Format routine that leaves the text as it is shows none, so the set is then put
// together from its parts.
void establishNumericChars(QueltaThreadData& data) {
    String rendered = formatValue(Variant(String(kDigits) + u"%"), u"Percent");
    if (containsEach(rendered, kDigits) && containsEach(rendered, data.DecimalSeparator) &&
        containsEach(rendered, u"%")) {
        data.NumericChars = rendered + u"+-()";
    } else {
        data.NumericChars = String(kDigits) + data.DecimalSeparator + u"%+-()";
    }
}

// The first character of today's date text that is not a digit; "." when there is none.
String dateSeparator() {
    String today = dateToText(Now());
    for (size_t i = 0; i < today.size(); ++i) {
        if (!isDigitCharacter(StringView(today).substr(i, 1))) return today.substr(i, 1);
    }
    return u".";
}

// 31 December shows day and month as distinct numbers; any other group is taken for the
// year, including a two-digit 00 and a group the short date does not have.
void establishDateOrder(QueltaThreadData& data) {
    String separator = dateSeparator();
    data.RegionalDateFormat.clear();
    String sample = formatValue(Variant(Date{dateSerial(2000, 12, 31)}), u"Short Date");
    for (std::int16_t k = 1; k <= 3; ++k) {
        if (k > 1) data.RegionalDateFormat += separator;
        std::int32_t group = GetNumberGroup(sample, k);
        if (group == 12) {
            data.MonthPosition = k;
            data.RegionalDateFormat += u"mm";
        } else if (group == 31) {
            data.DayPosition = k;
            data.RegionalDateFormat += u"dd";
        } else {
            data.YearPosition = k;
            data.RegionalDateFormat += u"yyyy";
        }
    }
}

}  // namespace

void establishRegionalSettings(QueltaThreadData& data) {
    if (data.DecimalSeparatorCode == 0) establishDecimalSeparator(data);
    if (data.NumericChars.empty()) establishNumericChars(data);
    if (data.DayPosition == 0 || data.MonthPosition == 0 || data.YearPosition == 0) {
        establishDateOrder(data);
    }
}

void Quelta::EstablishRegionalSettings() {
    establishRegionalSettings(threadData());
}

}  // namespace quelta
