#include "platform/runtime/DateTextParser.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <array>

#include "platform/region/Calendar.h"

namespace quelta {
namespace {

struct DateNumber {
    int value = 0;
    int digits = 0;
};

// A text split into the parts of a date and a time of day.
struct DateTextParts {
    std::array<DateNumber, 3> dateNumbers{};
    int dateNumberCount = 0;
    int month = 0;  // 1..12 when a month name was given
    std::array<int, 3> timeNumbers{};
    int timeNumberCount = 0;
    int dayPeriod = 0;  // 0 none, 1 AM, 2 PM
};

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == 0x00A0 || c == 0x202F || c == 0x2009;
}

bool isWordChar(UChar32 c) {
    return u_isalpha(c) || (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0;
}

bool startsWith(StringView text, size_t at, StringView prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

class DateTextScanner {
public:
    // `timeFirst`: where the regional time separator is also a date separator ("13.45"),
    // the first numbers joined by it are read as a time rather than as a date.
    DateTextScanner(StringView text, const ConversionNotation& notation, bool timeFirst)
        : text_(text), notation_(notation), timeFirst_(timeFirst) {}

    // Splits the text into parts; false when something in it cannot belong to a date.
    bool scan(DateTextParts& parts) {
        parts_ = &parts;
        while (skipSeparators(), i_ < text_.size()) {
            bool ok = isDigit(text_[i_]) ? readNumberOrTime(parts) : readWord(parts);
            if (!ok) return false;
        }
        return parts.timeNumberCount > 0 || parts.dayPeriod == 0;
    }

private:
    bool isTimeSeparatorAt(size_t i) const {
        if (i >= text_.size()) return false;
        if (text_[i] == u':') return true;
        if (!startsWith(text_, i, notation_.timeSeparator)) return false;
        if (!isDateSeparatorChar(text_[i])) return true;
        // A separator shared with dates joins times inside a time, after a complete date,
        // or at the start when times are read first.
        return inTime_ || parts_->dateNumberCount == 3 ||
               (timeFirst_ && parts_->timeNumberCount == 0);
    }
    size_t timeSeparatorLength(size_t i) const {
        return text_[i] == u':' ? 1 : notation_.timeSeparator.size();
    }
    static bool isDateSeparatorChar(char16_t c) {
        return c == u'/' || c == u'-' || c == u'.' || c == u',' || isSpace(c);
    }

    void skipSeparators() {
        while (i_ < text_.size()) {
            if (isDateSeparatorChar(text_[i_]) ||
                notation_.extraSeparators.find(text_[i_]) != String::npos) {
                ++i_;
            } else if (startsWith(text_, i_, notation_.dateSeparator) && !isTimeSeparatorAt(i_)) {
                i_ += notation_.dateSeparator.size();
            } else {
                break;
            }
        }
    }

    bool readDigits(DateNumber& number) {
        number = DateNumber{};
        for (; i_ < text_.size() && isDigit(text_[i_]); ++i_) {
            if (++number.digits > 9) return false;
            number.value = number.value * 10 + (text_[i_] - u'0');
        }
        return true;
    }

    // The position of the next character that is not a space.
    size_t afterSpaces(size_t i) const {
        while (i < text_.size() && isSpace(text_[i]))
            ++i;
        return i;
    }

    bool readNumberOrTime(DateTextParts& parts) {
        DateNumber number;
        if (!readDigits(number)) return false;
        if (isTimeSeparatorAt(afterSpaces(i_)) || dayPeriodFollows()) {
            return readTime(number, parts);
        }
        if (parts.dateNumberCount == 3) return false;
        parts.dateNumbers[static_cast<size_t>(parts.dateNumberCount++)] = number;
        return true;
    }

    // Whether AM or PM follows the number just read and makes it an hour ("3 PM"); not when
    // a number follows the designator, which then belongs to that number ("31 PM 1:45").
    bool dayPeriodFollows() const {
        int period = 0;
        size_t at = afterSpaces(i_);
        size_t length = designatorLengthAt(at, period);
        if (length == 0) return false;
        size_t next = afterSpaces(at + length);
        return next >= text_.size() || !isDigit(text_[next]);
    }

    // Hours, then up to two more numbers each after a time separator.
    bool readTime(DateNumber hour, DateTextParts& parts) {
        if (parts.timeNumberCount > 0 || hour.digits > 2) return false;
        parts.timeNumbers[0] = hour.value;
        parts.timeNumberCount = 1;
        inTime_ = true;
        while (parts.timeNumberCount < 3 && isTimeSeparatorAt(afterSpaces(i_))) {
            i_ = afterSpaces(i_);
            i_ = afterSpaces(i_ + timeSeparatorLength(i_));
            DateNumber next;
            if (!readDigits(next) || next.digits == 0 || next.digits > 2) return false;
            parts.timeNumbers[static_cast<size_t>(parts.timeNumberCount++)] = next.value;
        }
        bool complete = !isTimeSeparatorAt(afterSpaces(i_));
        inTime_ = false;
        return complete;
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
        if (i < text_.size()) {
            consider(notation_.amWords, 1);
            consider(notation_.pmWords, 2);
        }
        return best;
    }

    // A run of letters: AM or PM, or known words one after the other ("日日曜日" is the
    // day marker and a day name): month names, and day names and quoted pattern words,
    // which are skipped. Anything else is not part of a date.
    bool readWord(DateTextParts& parts) {
        int period = 0;
        if (size_t length = designatorLengthAt(i_, period)) {
            if (parts.dayPeriod != 0) return false;
            parts.dayPeriod = period;
            i_ += length;
            return true;
        }
        if (size_t length = readPhrase(parts)) return length != kPhraseConflict;
        size_t end = wordEnd(i_);
        if (end == i_) return false;
        UpperCasedWord upper(text_.substr(i_, end - i_));
        i_ = end;
        for (StringView rest = upper.view(); !rest.empty();) {
            const ConversionNotation::DateWord* word = longestWordAtStartOf(rest);
            if (word == nullptr || (word->month != 0 && parts.month != 0)) return false;
            if (word->month != 0) parts.month = word->month;
            rest.remove_prefix(word->text.size());
        }
        return true;
    }

    static constexpr size_t kPhraseConflict = static_cast<size_t>(-1);

    // A name with spaces, marks or digits inside, when the text holds it at i_ and no
    // letter follows; returns its length (kPhraseConflict for a second month), or 0.
    size_t readPhrase(DateTextParts& parts) {
        if (notation_.datePhrases.empty()) return 0;
        UpperCasedWord first(text_.substr(i_, 1));
        for (const auto& phrase : notation_.datePhrases) {  // longest first
            if (first.view().empty() || phrase.text[0] != first.view()[0]) continue;
            size_t end = i_ + phrase.text.size();
            if (end > text_.size() || (end < text_.size() && wordEnd(end) != end)) continue;
            if (!matchesUpperCased(text_.substr(i_, phrase.text.size()), phrase.text)) continue;
            if (phrase.month != 0 && parts.month != 0) return kPhraseConflict;
            if (phrase.month != 0) parts.month = phrase.month;
            i_ = end;
            return phrase.text.size();
        }
        return 0;
    }

    const ConversionNotation::DateWord* longestWordAtStartOf(StringView text) const {
        for (const auto& word : notation_.dateWords) {  // longest first
            if (text.substr(0, word.text.size()) == word.text) return &word;
        }
        return nullptr;
    }

    StringView text_;
    const ConversionNotation& notation_;
    bool timeFirst_;
    DateTextParts* parts_ = nullptr;
    bool inTime_ = false;
    size_t i_ = 0;
};

std::optional<double> timeOfDay(const DateTextParts& parts) {
    int hour = parts.timeNumbers[0];
    int minute = parts.timeNumbers[1];
    int second = parts.timeNumbers[2];
    if (minute > 59 || second > 59) return std::nullopt;
    if (parts.dayPeriod == 0) {
        if (hour > 23) return std::nullopt;
    } else {
        if (hour > 12) return std::nullopt;
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

bool isLong(DateNumber n) {
    return n.digits >= 3;
}

DateNumber yearNumber(int year) {
    return DateNumber{year, 4};
}

// Dates with a month name: one or two numbers besides it.
std::optional<double> dateWithMonthName(const DateTextParts& parts, int (*currentYear)()) {
    const auto& n = parts.dateNumbers;
    if (parts.dateNumberCount == 1) {
        if (isLong(n[0]) || n[0].value > 31) return serialOf({n[0], parts.month, 1});
        return serialOf({yearNumber(currentYear()), parts.month, n[0].value});
    }
    if (parts.dateNumberCount == 2) {
        if (isLong(n[0]) || n[0].value > 31) return serialOf({n[0], parts.month, n[1].value});
        return serialOf({n[1], parts.month, n[0].value});
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
    if (auto serial = serialOf(regional)) return serial;
    return serialOf({year, regional.day, regional.month});
}

// Three numbers: the regional order first, then the other order of day and month, then
// year first. A long first number is a year; a long last number too.
std::optional<double> dateOfThreeNumbers(const std::array<DateNumber, 3>& n, DateOrder order) {
    if (isLong(n[0])) return serialOf({n[0], n[1].value, n[2].value});
    if (isLong(n[1])) return std::nullopt;
    bool dayFirst = order == DateOrder::DayMonthYear;
    YearMonthDay yearLast{n[2], dayFirst ? n[1].value : n[0].value,
                          dayFirst ? n[0].value : n[1].value};
    YearMonthDay swapped{n[2], yearLast.day, yearLast.month};
    YearMonthDay yearFirst{n[0], n[1].value, n[2].value};
    bool preferYearFirst = order == DateOrder::YearMonthDay && !isLong(n[2]);
    std::array<YearMonthDay, 3> tries = preferYearFirst ? std::array{yearFirst, yearLast, swapped}
                                                        : std::array{yearLast, swapped, yearFirst};
    size_t count = isLong(n[2]) ? 2 : 3;
    for (size_t i = 0; i < count; ++i) {
        if (auto serial = serialOf(tries[i])) return serial;
    }
    return std::nullopt;
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

}  // namespace

namespace {

std::optional<double> parseDateTextOnce(StringView text, const ConversionNotation& notation,
                                        int (*currentYear)(), bool timeFirst) {
    DateTextParts parts;
    if (!DateTextScanner(text, notation, timeFirst).scan(parts)) return std::nullopt;
    bool hasDate = parts.dateNumberCount > 0 || parts.month != 0;
    if (!hasDate && parts.timeNumberCount == 0) return std::nullopt;
    double date = 0;
    double time = 0;
    if (hasDate) {
        std::optional<double> serial = dateOf(parts, notation.dateOrder, currentYear);
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

bool timeSeparatorIsAlsoDateSeparator(const ConversionNotation& notation) {
    const String& separator = notation.timeSeparator;
    return separator.size() == 1 && (separator[0] == u'.' || separator[0] == u'-' ||
                                     separator[0] == u'/' || separator == notation.dateSeparator);
}

}  // namespace

std::optional<double> parseDateText(StringView text, const ConversionNotation& notation,
                                    int (*currentYear)()) {
    std::optional<double> serial = parseDateTextOnce(text, notation, currentYear, false);
    if (!serial && timeSeparatorIsAlsoDateSeparator(notation)) {
        serial = parseDateTextOnce(text, notation, currentYear, true);
    }
    return serial;
}

}  // namespace quelta
