#include "platform/runtime/ConversionNotation.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "platform/AutomationError.h"
#include "platform/runtime/format/FormatParser.h"

namespace quelta {
namespace {

bool isSpaceLike(StringView text) {
    return text.size() == 1 &&
           (text[0] == u' ' || text[0] == 0x00A0 || text[0] == 0x202F || text[0] == 0x2009);
}

bool isWordChar(UChar32 c) {
    return u_isalpha(c) || (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0;
}

bool isPlainSeparator(char16_t c) {
    return c == u'.' || c == u',' || c == u'/' || c == u'-' || c == u' ' || c == u':' ||
           c == u'"' || c == u'\\' || (c >= u'0' && c <= u'9');
}

void addExtraSeparator(ConversionNotation& notation, char16_t c) {
    if (!isWordChar(c) && !isPlainSeparator(c) && notation.extraSeparators.find(c) == String::npos)
        notation.extraSeparators += c;
}

// Adds a name. One that is not a single run of letters is also kept as a phrase; one that
// ends in a mark ("Jan.", Hindi "जन॰") is also kept without it, as the scanner reads the
// mark as a separator.
void addWord(ConversionNotation& notation, StringView word, int month) {
    if (word.empty()) return;
    String upper = upperCasedForMatching(word);
    size_t letters = 0;
    while (letters < upper.size() && isWordChar(upper[letters]))
        ++letters;
    if (letters < upper.size()) notation.datePhrases.push_back({upper, month});
    if (letters + 1 == upper.size()) addExtraSeparator(notation, upper.back());
    if (letters > 0 && letters + 1 >= upper.size())
        notation.dateWords.push_back({upper.substr(0, letters), month});
}

// Adds each run of letters of a text as a word that is skipped ("quinta-feira").
void addSkippedWords(ConversionNotation& notation, StringView text) {
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && isWordChar(text[i])) continue;
        if (start < i) addWord(notation, text.substr(start, i - start), 0);
        start = i + 1;
    }
}

void addNameWords(ConversionNotation& notation, const RegionalSettings& s) {
    for (size_t i = 0; i < 12; ++i) {
        int month = static_cast<int>(i) + 1;
        for (const String* name : {&s.monthNames[i], &s.abbreviatedMonthNames[i],
                                   &s.genitiveMonthNames[i], &s.genitiveAbbreviatedMonthNames[i]}) {
            addWord(notation, *name, month);
        }
    }
    for (size_t i = 0; i < 7; ++i) {
        addWord(notation, s.dayNames[i], 0);
        addWord(notation, s.abbreviatedDayNames[i], 0);
        addSkippedWords(notation, s.dayNames[i]);
    }
}

// The words inside the quoted literals of a Format-code pattern.
void addQuotedWords(ConversionNotation& notation, StringView pattern) {
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'"') continue;
        if (quoted) {
            StringView literal = pattern.substr(start, i - start);
            addSkippedWords(notation, literal);
            for (char16_t c : literal)
                addExtraSeparator(notation, c);
        }
        quoted = !quoted;
        start = i + 1;
    }
}

bool isDateWord(const ConversionNotation& notation, StringView upper) {
    for (const auto& word : notation.dateWords) {
        if (word.text == upper) return true;
    }
    return false;
}

// The region's designators, and AM, PM, A and P unless the region's dates use them as words
// (Esperanto writes "16-a de junio").
void addDesignatorWords(ConversionNotation& notation, const RegionalSettings& s) {
    auto add = [&notation](std::vector<String>& words, StringView regional,
                           std::initializer_list<StringView> generic) {
        if (!regional.empty()) words.push_back(upperCasedForMatching(regional));
        for (StringView word : generic) {
            if (!isDateWord(notation, word)) words.emplace_back(word);
        }
    };
    add(notation.amWords, s.amDesignator, {u"AM", u"A"});
    add(notation.pmWords, s.pmDesignator, {u"PM", u"P"});
}

void addDateWords(ConversionNotation& notation, const RegionalSettings& s) {
    addNameWords(notation, s);
    for (const String* pattern : {&s.shortDatePattern, &s.mediumDatePattern, &s.longDatePattern,
                                  &s.longTimePattern, &s.mediumTimePattern, &s.shortTimePattern})
        addQuotedWords(notation, *pattern);
    auto longestFirst = [](const auto& a, const auto& b) { return a.text.size() > b.text.size(); };
    std::stable_sort(notation.dateWords.begin(), notation.dateWords.end(), longestFirst);
    std::stable_sort(notation.datePhrases.begin(), notation.datePhrases.end(), longestFirst);
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
    addDateWords(notation, s);
    addDesignatorWords(notation, s);
    return notation;
}

}  // namespace

DateOrder dateOrderOf(StringView pattern) {
    CompiledFormat compiled;
    if (!ignoringErrors([&] { compiled = compileFormat(pattern); })) {
        return DateOrder::MonthDayYear;
    }
    // The first of the day number, the month and the year decides; weekday names and
    // minutes are none of them.
    const FormatSection& section = compiled.sections[0];
    for (std::uint32_t t = 0; t < section.tokenCount; ++t) {
        switch (compiled.tokens[section.firstToken + t].kind) {
            case TokenKind::Day:
            case TokenKind::Day2:
                return DateOrder::DayMonthYear;
            case TokenKind::Year2:
            case TokenKind::Year4:
                return DateOrder::YearMonthDay;
            case TokenKind::Month:
            case TokenKind::Month2:
            case TokenKind::MonthAbbreviation:
            case TokenKind::MonthName:
                return DateOrder::MonthDayYear;
            default:
                break;
        }
    }
    return DateOrder::MonthDayYear;
}

String upperCasedForMatching(StringView text) {
    String upper(text);
    bool ascii = true;
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (c == 0x00A0 || c == 0x202F || c == 0x2009) c = u' ';
        ascii = ascii && (c < 0x80 || c == u' ');
    }
    if (ascii) return upper;  // the common case, without the cost of full case mapping
    icu::UnicodeString unicode(reinterpret_cast<const UChar*>(upper.data()),
                               static_cast<int32_t>(upper.size()));
    unicode.toUpper(icu::Locale::getRoot());
    return String(reinterpret_cast<const char16_t*>(unicode.getBuffer()),
                  static_cast<size_t>(unicode.length()));
}

UpperCasedWord::UpperCasedWord(StringView text) {
    bool ascii = text.size() <= buffer_.size();
    for (size_t i = 0; ascii && i < text.size(); ++i) {
        char16_t c = text[i];
        ascii = c < 0x80;
        buffer_[i] = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    if (ascii) {
        view_ = StringView(buffer_.data(), text.size());
    } else {
        heap_ = upperCasedForMatching(text);
        view_ = heap_;
    }
}

bool matchesUpperCased(StringView text, StringView upperWord) {
    if (text.size() != upperWord.size()) return upperCasedForMatching(text) == upperWord;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= 0x80) return upperCasedForMatching(text) == upperWord;
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != upperWord[i]) return false;
    }
    return true;
}

const ConversionNotation& currentNotation() {
    thread_local ConversionNotation notation;
    const RegionalSettings& current = currentRegionalSettings();
    if (notation.settings.get() != &current) notation = notationOf(currentRegionalSettingsShared());
    return notation;
}

}  // namespace quelta
