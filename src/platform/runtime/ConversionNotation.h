#pragma once
// What the conversions need of the thread's regional settings, prepared once per settings:
// name lists upper-cased for matching, the order of the short date, the symbols to accept.
// Conversions run on every refresh of every control, so none of this is recomputed per call.

#include <array>
#include <memory>
#include <vector>

#include "platform/region/RegionalSettings.h"

namespace quelta {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct ConversionNotation {
    std::shared_ptr<const RegionalSettings> settings;

    DateOrder dateOrder = DateOrder::MonthDayYear;
    char16_t decimalSeparator = u'.';
    String groupSeparator;
    bool groupSeparatorIsSpace = false;  // then any kind of space separates groups
    String currencySymbol;
    String negativeSign;  // the region's own, besides "-"
    String dateSeparator;
    String timeSeparator;

    // Upper-cased words a date text may hold besides AM and PM, longest first: month names
    // (every form of every month) and, skipped when read, day names and the words that the
    // region's date patterns quote ("de" in "d 'de' MMMM", "年", "г").
    struct DateWord {
        String text;
        int month = 0;  // 1..12 for a month name, 0 for a word that is skipped
    };
    std::vector<DateWord> dateWords;
    // Names written with spaces, marks or digits inside ("tháng 12", "มี.ค.",
    // "تشرين الأول"), matched against the text as they stand, longest first.
    std::vector<DateWord> datePhrases;
    // Punctuation the region's names and date patterns use between their parts besides the
    // usual separators: the Arabic comma, the Hindi abbreviation sign, and the like.
    String extraSeparators;
    std::vector<String> amWords;
    std::vector<String> pmWords;
};

// The notation of the thread's current regional settings.
const ConversionNotation& currentNotation();

// The order of day, month and year in a Format-code date pattern ("m/d/yyyy" is
// MonthDayYear), as the Format routine reads its codes; MonthDayYear when the pattern does
// not show it or does not compile.
DateOrder dateOrderOf(StringView pattern);

// Upper-cases a text for case-insensitive comparison with the words above.
String upperCasedForMatching(StringView text);

// The upper-cased form of a short word, kept in place for ASCII words so that matching a
// typed month name costs no allocation.
class UpperCasedWord {
public:
    explicit UpperCasedWord(StringView text);
    StringView view() const { return view_; }

private:
    std::array<char16_t, 24> buffer_{};
    String heap_;
    StringView view_;
};

// Whether upperCasedForMatching(text) equals the upper-cased word; without allocating when
// the text is ASCII.
bool matchesUpperCased(StringView text, StringView upperWord);

}  // namespace quelta
