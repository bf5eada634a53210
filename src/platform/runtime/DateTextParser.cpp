// Reading a date text takes two steps. The lexer turns the text into a short list of tokens,
// dropping the separators and the words that carry nothing (day names, the words the region's
// patterns quote):
//
//   token   := number | timeSep | sharedSep | monthName | dayPeriod
//   timeSep := ':' | the region's time separator, when dates do not use it
//            | '.' between two digits, when the region's date separator has no full stop
//   sharedSep := the region's time separator, when dates use it too ("." in "31.12. 13.45")
//
// The reader then walks the list by this grammar:
//
//   text    := part*
//   part    := time | number | monthName | dayPeriod | sharedSep
//   time    := hour (join number){0,2}     -- hours, minutes, seconds; an hour alone only
//                                              when a day period follows it
//   join    := timeSep | sharedSep inside a time, after three date numbers, or at the start
//              when times are read first
//   hour    := number followed by a join, or by a day period that no time follows ("3 am 1 2")
//
// with at most one time, one month name, one day period (which belongs to the time, before or
// after it) and three numbers besides the time. The numbers and the month name are the date,
// and stand together: the time comes before or after them, never between ("1 2 am 3" and
// "1 2.3 4" are no dates).

#include "platform/runtime/DateTextParser.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <array>
#include <cstdint>

#include "platform/region/Calendar.h"

namespace quelta {
namespace {

enum class DateTokenKind : std::uint8_t {
    Number,
    TimeSeparator,
    SharedSeparator,
    MonthName,
    DayPeriod
};

struct DateToken {
    DateTokenKind kind = DateTokenKind::Number;
    bool separated = false;  // a separator other than spaces stands right before it
    int value = 0;           // the number, the month 1..12, or 1 for AM and 2 for PM
    int digits = 0;          // of a number
};

// More parts than any date and time has; a longer text is not a date.
constexpr std::size_t kMaxDateTokens = 24;

struct DateTokens {
    std::array<DateToken, kMaxDateTokens> items{};
    std::size_t count = 0;
    bool hasSharedSeparator = false;
};

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Tabs and every Unicode space separator (the no-break and the ideographic space among them).
bool isSpace(char16_t c) {
    if (c < 0x80) return c == u' ' || c == u'\t';
    return u_charType(c) == U_SPACE_SEPARATOR;
}

bool isWordChar(UChar32 c) {
    return u_isalpha(c) || (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0;
}

bool isDateSeparatorChar(char16_t c) {
    return c == u'/' || c == u'-' || c == u'.' || c == u',';
}

bool startsWith(StringView text, size_t at, StringView prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

// A minus at either end is a number's sign ("-1.1", "1.1-"), which no date has; and zeros
// joined by full stops ("0.0") are the number zero, not midnight.
bool isNumberNotDate(StringView text) {
    const StringView inner = trimmedBy(text, isSpace);
    if (inner.empty()) return false;
    if (inner.front() == u'-' || inner.back() == u'-') return true;
    return inner.find(u'.') != StringView::npos &&
           inner.find_first_not_of(u"0.") == StringView::npos;
}

class DateTextLexer {
public:
    DateTextLexer(StringView text, const ConversionNotation& notation)
        : text_(text),
          notation_(notation),
          // Korean and Hungarian dates separate with a full stop and a space (". ").
          fullStopJoinsTimes_(notation.dateSeparator.find(u'.') == String::npos),
          timeSeparatorIsShared_(isSharedSeparator(notation)) {}

    // The tokens of the text; false when something in it cannot belong to a date.
    bool lex(DateTokens& tokens) {
        tokens_ = &tokens;
        while (i_ < text_.size()) {
            if (!lexOne()) return false;
        }
        return true;
    }

private:
    static bool isSharedSeparator(const ConversionNotation& notation) {
        const String& separator = notation.timeSeparator;
        return separator.size() == 1 &&
               (isDateSeparatorChar(separator[0]) || separator == notation.dateSeparator);
    }

    bool lexOne() {
        char16_t c = text_[i_];
        if (isDigit(c)) return lexNumber();
        if (c == u':') return push({DateTokenKind::TimeSeparator}, 1);
        if (c == u'.' && fullStopJoinsTimes_ && i_ > 0 && isDigitAt(i_ - 1) && isDigitAt(i_ + 1)) {
            return push({DateTokenKind::TimeSeparator}, 1);
        }
        if (startsWith(text_, i_, notation_.timeSeparator)) {
            DateTokenKind kind = timeSeparatorIsShared_ ? DateTokenKind::SharedSeparator
                                                        : DateTokenKind::TimeSeparator;
            tokens_->hasSharedSeparator = tokens_->hasSharedSeparator || timeSeparatorIsShared_;
            return push({kind}, notation_.timeSeparator.size());
        }
        if (size_t length = separatorLength()) {
            separated_ = separated_ || !isSpace(c);
            i_ += length;
            return true;
        }
        return lexWord();
    }

    size_t separatorLength() const {
        char16_t c = text_[i_];
        if (isSpace(c) || isDateSeparatorChar(c)) return 1;
        if (notation_.extraSeparators.find(c) != String::npos) return 1;
        if (startsWith(text_, i_, notation_.dateSeparator)) return notation_.dateSeparator.size();
        return 0;
    }

    bool isDigitAt(size_t i) const { return i < text_.size() && isDigit(text_[i]); }

    // Adds a token that spans `length` characters of the text.
    bool push(DateToken token, size_t length) {
        if (tokens_->count == kMaxDateTokens) return false;
        token.separated = separated_;
        separated_ = false;
        tokens_->items[tokens_->count++] = token;
        i_ += length;
        return true;
    }

    bool lexNumber() {
        DateToken number{DateTokenKind::Number};
        for (size_t at = i_; at < text_.size() && isDigit(text_[at]); ++at) {
            if (++number.digits > 9) return false;
            number.value = number.value * 10 + (text_[at] - u'0');
        }
        return push(number, static_cast<size_t>(number.digits));
    }

    // A run of letters: AM or PM, or known words one after the other ("日日曜日" is the day
    // marker and a day name): month names, and day names and quoted pattern words, which are
    // dropped. Anything else is not part of a date.
    bool lexWord() {
        int period = 0;
        if (size_t length = designatorLengthAt(i_, period)) {
            return push({DateTokenKind::DayPeriod, false, period}, length);
        }
        if (const ConversionNotation::DateWord* phrase = phraseAt(i_)) {
            return pushWord(*phrase, phrase->text.size());
        }
        size_t end = wordEnd(i_);
        if (end == i_) return false;
        UpperCasedWord upper(text_.substr(i_, end - i_));
        i_ = end;
        for (StringView rest = upper.view(); !rest.empty();) {
            const ConversionNotation::DateWord* word = longestWordAtStartOf(rest);
            if (word == nullptr || !pushWord(*word, 0)) return false;
            rest.remove_prefix(word->text.size());
        }
        return true;
    }

    // A month name becomes a token; other words are dropped.
    bool pushWord(const ConversionNotation::DateWord& word, size_t length) {
        if (word.month != 0) return push({DateTokenKind::MonthName, false, word.month}, length);
        i_ += length;
        return true;
    }

    size_t wordEnd(size_t i) const {
        while (i < text_.size()) {
            size_t next = i;
            UChar32 c;
            U16_NEXT(text_.data(), next, text_.size(), c);
            if (!isWordChar(c)) break;
            i = next;
        }
        return i;
    }

    // The length of an AM or PM designator at i ("PM", "p", "p.m.", "오후"), longest
    // first, when no letter follows it; 0 when there is none.
    size_t designatorLengthAt(size_t i, int& period) const {
        size_t best = 0;
        auto consider = [&](const std::vector<String>& words, int value) {
            for (const String& word : words) {
                if (word.size() <= best || text_.size() - i < word.size()) continue;
                // The cheap comparison first: most positions hold no designator at all.
                if (!matchesUpperCased(text_.substr(i, word.size()), word)) continue;
                size_t end = i + word.size();
                if (end < text_.size() && wordEnd(end) != end) continue;
                best = word.size();
                period = value;
            }
        };
        consider(notation_.amWords, 1);
        consider(notation_.pmWords, 2);
        return best;
    }

    // A name with spaces, marks or digits inside ("tháng 12") that the text holds at i with
    // no letter following it.
    const ConversionNotation::DateWord* phraseAt(size_t i) const {
        if (notation_.datePhrases.empty()) return nullptr;
        UpperCasedWord first(text_.substr(i, 1));
        for (const auto& phrase : notation_.datePhrases) {  // longest first
            if (first.view().empty() || phrase.text[0] != first.view()[0]) continue;
            size_t end = i + phrase.text.size();
            if (end > text_.size() || (end < text_.size() && wordEnd(end) != end)) continue;
            if (matchesUpperCased(text_.substr(i, phrase.text.size()), phrase.text)) return &phrase;
        }
        return nullptr;
    }

    const ConversionNotation::DateWord* longestWordAtStartOf(StringView text) const {
        for (const auto& word : notation_.dateWords) {  // longest first
            if (text.substr(0, word.text.size()) == word.text) return &word;
        }
        return nullptr;
    }

    StringView text_;
    const ConversionNotation& notation_;
    bool fullStopJoinsTimes_;
    bool timeSeparatorIsShared_;
    DateTokens* tokens_ = nullptr;
    bool separated_ = false;
    size_t i_ = 0;
};

struct DateNumber {
    int value = 0;
    int digits = 0;
};

// The parts of a date and a time of day that a text names.
struct DateTextParts {
    std::array<DateNumber, 3> dateNumbers{};
    int dateNumberCount = 0;
    int month = 0;  // 1..12 when a month name was given
    std::array<int, 3> timeNumbers{};
    int timeNumberCount = 0;
    int dayPeriod = 0;  // 0 none, 1 AM, 2 PM
};

class DateTextReader {
public:
    // `timesFirst`: a separator shared with dates joins the first numbers into a time.
    DateTextReader(const DateTokens& tokens, bool timesFirst)
        : tokens_(tokens), timesFirst_(timesFirst) {}

    // Sorts the tokens into parts; false when they break the grammar.
    bool read(DateTextParts& parts) {
        parts_ = &parts;
        while (i_ < tokens_.count) {
            if (!readPart()) return false;
        }
        return parts.timeNumberCount > 0 || parts.dayPeriod == 0;
    }

private:
    bool readPart() {
        const DateToken& token = tokens_.items[i_];
        switch (token.kind) {
            case DateTokenKind::Number:
                return startsTime(i_) || dayPeriodMakesHour(i_) ? readTime() : readDateNumber();
            case DateTokenKind::MonthName:
                ++i_;
                return !timeFollowsDate_ && assignOnce(parts_->month, token.value);
            case DateTokenKind::DayPeriod:
                ++i_;
                return assignOnce(parts_->dayPeriod, token.value);
            case DateTokenKind::SharedSeparator:
                ++i_;
                return true;  // between date parts it separates them
            case DateTokenKind::TimeSeparator:
                return false;  // with no hour before it
        }
        return false;
    }

    static bool assignOnce(int& part, int value) {
        if (part != 0) return false;
        part = value;
        return true;
    }

    bool isKind(size_t i, DateTokenKind kind) const {
        return i < tokens_.count && tokens_.items[i].kind == kind;
    }

    // Whether the token at i joins the numbers of a time.
    bool joinsTime(size_t i) const {
        if (i >= tokens_.count || tokens_.items[i].separated) return false;
        switch (tokens_.items[i].kind) {
            case DateTokenKind::TimeSeparator:
                return true;
            case DateTokenKind::SharedSeparator:
                return inTime_ || parts_->dateNumberCount == 3 ||
                       (timesFirst_ && parts_->timeNumberCount == 0);
            default:
                return false;
        }
    }

    bool startsTime(size_t i) const { return isKind(i, DateTokenKind::Number) && joinsTime(i + 1); }

    // AM or PM right after a number makes it an hour ("3 PM"), unless a time follows the
    // designator, which then belongs to that time ("31 PM 1:45").
    bool dayPeriodMakesHour(size_t i) const {
        return isKind(i + 1, DateTokenKind::DayPeriod) && !startsTime(i + 2);
    }

    bool readDateNumber() {
        if (parts_->dateNumberCount == 3 || timeFollowsDate_) return false;
        const DateToken& number = tokens_.items[i_++];
        parts_->dateNumbers[static_cast<size_t>(parts_->dateNumberCount++)] = {number.value,
                                                                               number.digits};
        return true;
    }

    // Hours, then up to two more numbers each after a join.
    bool readTime() {
        const DateToken& hour = tokens_.items[i_++];
        if (parts_->timeNumberCount > 0 || hour.digits > 2) return false;
        parts_->timeNumbers[0] = hour.value;
        parts_->timeNumberCount = 1;
        inTime_ = true;
        while (parts_->timeNumberCount < 3 && joinsTime(i_)) {
            ++i_;
            if (!isKind(i_, DateTokenKind::Number)) return false;
            const DateToken& next = tokens_.items[i_++];
            if (next.separated || next.digits > 2) return false;
            parts_->timeNumbers[static_cast<size_t>(parts_->timeNumberCount++)] = next.value;
        }
        bool complete = !joinsTime(i_);
        inTime_ = false;
        timeFollowsDate_ = parts_->dateNumberCount > 0 || parts_->month != 0;
        return complete;
    }

    const DateTokens& tokens_;
    bool timesFirst_;
    DateTextParts* parts_ = nullptr;
    bool inTime_ = false;
    bool timeFollowsDate_ = false;  // no more date parts may come
    size_t i_ = 0;
};

// An hour above 12 keeps its 24-hour meaning beside AM or PM ("13:00 PM" is 13:00).
std::optional<double> timeOfDay(const DateTextParts& parts) {
    int hour = parts.timeNumbers[0];
    int minute = parts.timeNumbers[1];
    int second = parts.timeNumbers[2];
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    if (parts.dayPeriod != 0 && hour <= 12) {
        if (hour == 12) hour = 0;
        if (parts.dayPeriod == 2) hour += 12;
    }
    return timeSerial(hour, minute, second);
}

struct YearMonthDay {
    DateNumber year;
    int month = 0;
    int day = 0;
};

// The serial of an existing day; two-digit years fall in 1930..2029.
std::optional<double> serialOf(const YearMonthDay& date) {
    int year = date.year.value;
    if (date.year.digits <= 2) {
        year += year < 30 ? 2000 : 1900;
    } else if (year < 100 || year > 9999) {
        return std::nullopt;
    }
    if (!isValidDay(year, date.month, date.day)) return std::nullopt;
    return dateSerial(year, date.month, date.day);
}

// The first of the readings that is a real date.
template <size_t N>
std::optional<double> firstRealDate(const std::array<YearMonthDay, N>& readings, size_t count = N) {
    for (size_t i = 0; i < count; ++i) {
        if (auto serial = serialOf(readings[i])) return serial;
    }
    return std::nullopt;
}

bool isLong(DateNumber n) {
    return n.digits >= 3;
}

DateNumber yearNumber(int year) {
    return DateNumber{year, 4};
}

// Dates with a month name: one or two numbers besides it. Two numbers are a day and a
// year, or a year and a day when that is the only real date ("29 FEB 01" is 2029-02-01).
std::optional<double> dateWithMonthName(const DateTextParts& parts, int (*currentYear)()) {
    const auto& n = parts.dateNumbers;
    if (parts.dateNumberCount == 1) {
        if (isLong(n[0]) || n[0].value > 31) return serialOf({n[0], parts.month, 1});
        return serialOf({yearNumber(currentYear()), parts.month, n[0].value});
    }
    if (parts.dateNumberCount == 2) {
        YearMonthDay dayFirst{n[1], parts.month, n[0].value};
        YearMonthDay yearFirst{n[0], parts.month, n[1].value};
        if (isLong(n[0]) || n[0].value > 31) return serialOf(yearFirst);
        return firstRealDate(std::array{dayFirst, yearFirst});
    }
    return std::nullopt;
}

// Two numbers: a day and a month in the regional order (the other order when that is
// impossible), or a month and a year when one of them cannot be a day.
std::optional<double> dateOfTwoNumbers(DateNumber a, DateNumber b, DateOrder order,
                                       int (*currentYear)()) {
    if (isLong(a)) return serialOf({a, b.value, 1});
    if (isLong(b) || b.value > 31) return serialOf({b, a.value, 1});
    DateNumber year = yearNumber(currentYear());
    bool dayFirst = order == DateOrder::DayMonthYear;
    YearMonthDay regional{year, dayFirst ? b.value : a.value, dayFirst ? a.value : b.value};
    return firstRealDate(std::array{regional, YearMonthDay{year, regional.day, regional.month}});
}

// Whether a number can be what the regional order puts first: a month or a day.
bool canLeadRegionalOrder(DateNumber n, DateOrder order) {
    int highest = order == DateOrder::MonthDayYear ? 12 : 31;
    return order != DateOrder::YearMonthDay && n.value >= 1 && n.value <= highest;
}

// Three numbers: the regional order first, then the other order of day and month, then
// year first. Year first comes first where the region writes it so, and where the first
// number cannot be the region's first part ("14 2 3" is 2014-02-03 in month-day-year).
// A long first number is a year; a long last number too.
std::optional<double> dateOfThreeNumbers(const std::array<DateNumber, 3>& n, DateOrder order) {
    if (isLong(n[0])) return serialOf({n[0], n[1].value, n[2].value});
    if (isLong(n[1])) return std::nullopt;
    bool dayFirst = order == DateOrder::DayMonthYear;
    YearMonthDay yearLast{n[2], dayFirst ? n[1].value : n[0].value,
                          dayFirst ? n[0].value : n[1].value};
    YearMonthDay swapped{n[2], yearLast.day, yearLast.month};
    YearMonthDay yearFirst{n[0], n[1].value, n[2].value};
    if (isLong(n[2])) return firstRealDate(std::array{yearLast, swapped});
    if (!canLeadRegionalOrder(n[0], order)) {
        return firstRealDate(std::array{yearFirst, yearLast, swapped});
    }
    return firstRealDate(std::array{yearLast, swapped, yearFirst});
}

std::optional<double> dateOf(const DateTextParts& parts, DateOrder order, int (*currentYear)()) {
    if (parts.month != 0) return dateWithMonthName(parts, currentYear);
    const auto& n = parts.dateNumbers;
    switch (parts.dateNumberCount) {
        case 2:
            return dateOfTwoNumbers(n[0], n[1], order, currentYear);
        case 3:
            return dateOfThreeNumbers(n, order);
        default:
            return std::nullopt;
    }
}

std::optional<double> serialOf(const DateTextParts& parts, DateOrder order, int (*currentYear)()) {
    bool hasDate = parts.dateNumberCount > 0 || parts.month != 0;
    if (!hasDate && parts.timeNumberCount == 0) return std::nullopt;
    double date = 0;
    double time = 0;
    if (hasDate) {
        std::optional<double> serial = dateOf(parts, order, currentYear);
        if (!serial) return std::nullopt;
        date = *serial;
    }
    if (parts.timeNumberCount > 0) {
        std::optional<double> serial = timeOfDay(parts);
        if (!serial) return std::nullopt;
        time = *serial;
    }
    return combineDateAndTime(date, time);
}

std::optional<double> readDateTokens(const DateTokens& tokens, const ConversionNotation& notation,
                                     int (*currentYear)(), bool timesFirst) {
    DateTextParts parts;
    if (!DateTextReader(tokens, timesFirst).read(parts)) return std::nullopt;
    return serialOf(parts, notation.dateOrder, currentYear);
}

}  // namespace

std::optional<double> parseDateText(StringView text, const ConversionNotation& notation,
                                    int (*currentYear)()) {
    DateTokens tokens;
    if (isNumberNotDate(text) || !DateTextLexer(text, notation).lex(tokens)) return std::nullopt;
    std::optional<double> serial = readDateTokens(tokens, notation, currentYear, false);
    // Where times and dates share a separator, a text that is no date may still start with
    // a time ("13.45 31.12.2000").
    if (!serial && tokens.hasSharedSeparator) {
        serial = readDateTokens(tokens, notation, currentYear, true);
    }
    return serial;
}

}  // namespace quelta
