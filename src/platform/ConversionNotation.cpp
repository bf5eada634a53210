#include "platform/ConversionNotation.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace quelta {
namespace {

bool isSpaceLike(StringView text) {
    return text.size() == 1 &&
           (text[0] == u' ' || text[0] == 0x00A0 || text[0] == 0x202F || text[0] == 0x2009);
}

// Adds a word and, for an abbreviation written with a full stop ("Jan."), the word
// without it, since the full stop also reads as a date separator.
void addWord(std::vector<std::pair<String, int>>& words, StringView word, int value) {
    if (word.empty())
        return;
    String upper = upperCasedForMatching(word);
    words.emplace_back(upper, value);
    if (upper.size() > 1 && upper.back() == u'.') {
        upper.pop_back();
        words.emplace_back(upper, value);
    }
}

void addMonthWords(ConversionNotation& notation, const RegionalSettings& s) {
    for (int month = 0; month < 12; ++month) {
        size_t i = static_cast<size_t>(month);
        for (const String* name : {&s.monthNames[i], &s.abbreviatedMonthNames[i],
                                   &s.genitiveMonthNames[i], &s.genitiveAbbreviatedMonthNames[i]}) {
            addWord(notation.monthWords, *name, month);
        }
    }
}

void addDesignatorWords(ConversionNotation& notation, const RegionalSettings& s) {
    for (StringView word : {StringView(s.amDesignator), StringView(u"AM"), StringView(u"A")}) {
        if (!word.empty())
            notation.amWords.push_back(upperCasedForMatching(word));
    }
    for (StringView word : {StringView(s.pmDesignator), StringView(u"PM"), StringView(u"P")}) {
        if (!word.empty())
            notation.pmWords.push_back(upperCasedForMatching(word));
    }
}

void addDayWords(ConversionNotation& notation, const RegionalSettings& s) {
    std::vector<std::pair<String, int>> words;
    for (size_t i = 0; i < 7; ++i) {
        addWord(words, s.dayNames[i], 0);
        addWord(words, s.abbreviatedDayNames[i], 0);
    }
    for (auto& word : words)
        notation.dayWords.push_back(std::move(word.first));
}

ConversionNotation notationOf(std::shared_ptr<const RegionalSettings> settings) {
    ConversionNotation notation;
    const RegionalSettings& s = *settings;
    notation.settings = std::move(settings);
    notation.dateOrder = dateOrderOf(s.shortDatePattern);
    notation.decimalSeparator = s.decimalSeparator.empty() ? u'.' : s.decimalSeparator[0];
    notation.groupSeparator = s.groupSeparator;
    notation.groupSeparatorIsSpace = isSpaceLike(s.groupSeparator);
    notation.currencySymbol = s.currencySymbol;
    notation.negativeSign = s.negativeSign;
    notation.dateSeparator = s.dateSeparator;
    notation.timeSeparator = s.timeSeparator;
    addMonthWords(notation, s);
    addDesignatorWords(notation, s);
    addDayWords(notation, s);
    return notation;
}

}  // namespace

DateOrder dateOrderOf(StringView pattern) {
    size_t day = pattern.find(u'd');
    size_t month = pattern.find(u'm');
    size_t year = pattern.find(u'y');
    if (year != StringView::npos && (year < month || month == StringView::npos) &&
        (year < day || day == StringView::npos)) {
        return DateOrder::YearMonthDay;
    }
    if (day != StringView::npos && day < month)
        return DateOrder::DayMonthYear;
    return DateOrder::MonthDayYear;
}

String upperCasedForMatching(StringView text) {
    String upper(text);
    bool ascii = true;
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        if (c == 0x00A0 || c == 0x202F || c == 0x2009)
            c = u' ';
        ascii = ascii && (c < 0x80 || c == u' ');
    }
    if (ascii)
        return upper;  // the common case, without the cost of full case mapping
    icu::UnicodeString unicode(reinterpret_cast<const UChar*>(upper.data()),
                               static_cast<int32_t>(upper.size()));
    unicode.toUpper(icu::Locale::getRoot());
    return String(reinterpret_cast<const char16_t*>(unicode.getBuffer()),
                  static_cast<size_t>(unicode.length()));
}

const ConversionNotation& currentNotation() {
    thread_local ConversionNotation notation;
    const RegionalSettings& current = currentRegionalSettings();
    if (notation.settings.get() != &current)
        notation = notationOf(currentRegionalSettingsShared());
    return notation;
}

}  // namespace quelta
