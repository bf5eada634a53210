#include "format/DateTimeCompletion.h"

#include <cmath>
#include <limits>
#include <optional>

#include "platform/AutomationError.h"
#include "platform/region/Calendar.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/TextRoutines.h"

namespace quelta {

namespace {

// The typed text with the 1-based positions that the scanning rules count in. A position
// beyond the end reads as no character, as the platform's Mid gives an empty text there.
class TypedText {
public:
    explicit TypedText(StringView text) : text_(text) {}

    size_t length() const { return text_.size(); }
    char16_t at(size_t i) const { return i >= 1 && i <= text_.size() ? text_[i - 1] : u'\0'; }
    bool isDigitAt(size_t i) const { return at(i) >= u'0' && at(i) <= u'9'; }

    // Val of count characters from position start.
    double valOf(size_t start, size_t count) const {
        if (start < 1 || start > text_.size()) return 0;
        return val(text_.substr(start - 1, count));
    }

    // The same for a range known to hold digits only (at most four), without the general
    // number reader: every typed digit reads its group again.
    int digitsValueOf(size_t start, size_t count) const {
        int value = 0;
        for (size_t i = start; i < start + count; ++i)
            value = value * 10 + (at(i) - u'0');
        return value;
    }

private:
    StringView text_;
};

// A part is a 16-bit integer: Val's result is rounded half to even, and what does not fit
// overflows.
int toPart(double value) {
    double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        raiseError(kErrOverflow);
    }
    return static_cast<int>(rounded);
}

struct DateEntry {
    int day = 0;
    int month = 0;
    int year = 0;
};

// The parts the entry gave; the others come from the defaults.
struct TypedDateParts {
    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;
};

// The defaults are the reference date, or today when the reference text is no date. The
// reference text is the stored text, normally a date or empty, so reading it once and taking
// a failure for "not a date" costs less than testing it first; and it is read only when the
// entry leaves a part out.
DateEntry withDefaults(const TypedDateParts& typed, StringView referenceText, double today) {
    DateParts defaults;
    if (!typed.day || !typed.month || !typed.year) {
        double serial = today;
        if (!referenceText.empty()) serial = tryTextToDate(referenceText).value_or(today);
        defaults = datePartsOf(serial);
    }
    return {typed.day.value_or(defaults.day), typed.month.value_or(defaults.month),
            typed.year.value_or(defaults.year)};
}

// In day-first order "310" reads as day 31 and month 0; October is what was meant.
void correctMonthTen(DateEntry& entry) {
    if (entry.day % 10 == 1 && entry.month == 0) {
        entry.day = (entry.day - 1) / 10;
        entry.month = 10;
    }
}

// Reads up to three number groups of a typed date into the parts the region's order gives
// them; a group ends at a separator or when its digits cannot continue the part it fills.
class DateEntryScanner {
public:
    DateEntryScanner(StringView typed, const RegionalDateOrder& order)
        : text_(typed), order_(order) {}

    TypedDateParts scan() {
        enterGroup(1);
        for (size_t i = 1; i <= text_.length(); ++i) {
            if (!text_.isDigitAt(i)) {
                if (groupStart_ != 0) {
                    readThirdGroupBehindSeparator(i);
                    break;
                }
                groupStart_ = i;
                enterGroup(2);
                continue;
            }
            if (groupIsFull(i)) {
                if (groupStart_ != 0) {
                    readThirdGroupAt(i);
                    break;
                }
                groupStart_ = i - 1;
                enterGroup(2);
            }
            assignCurrentGroup(i);
        }
        return parts_;
    }

private:
    void enterGroup(int group) {
        isDay_ = order_.DayPosition == group;
        isMonth_ = order_.MonthPosition == group;
        isYear_ = order_.YearPosition == group;
    }

    // Whether the digit at i can no longer belong to the current group. The group's
    // characters up to i are all digits: a separator inside it would have ended it.
    bool groupIsFull(size_t i) const {
        size_t length = i - groupStart_;
        if (length < 2) return false;
        int firstTwo = text_.digitsValueOf(groupStart_ + 1, 2);
        return (firstTwo > 12 && isMonth_) || (firstTwo > 31 && isDay_) ||
               (length > 2 && !isYear_) || (length > 4 && isYear_);
    }

    // Each digit re-reads the whole group, so the part grows digit by digit.
    void assignCurrentGroup(size_t i) {
        int value = text_.digitsValueOf(groupStart_ + 1, i - groupStart_);
        if (isDay_) parts_.day = value;
        if (isMonth_) parts_.month = value;
        if (isYear_) parts_.year = value;
    }

    void readThirdGroupBehindSeparator(size_t i) {
        size_t digits = 0;
        while (digits < 4 && text_.isDigitAt(i + 1 + digits))
            ++digits;
        assignThirdGroup(text_.digitsValueOf(i + 1, digits), text_.at(i + 1) == u'0');
    }

    // The character behind the first one decides whether a year of 0 was meant ("00").
    void readThirdGroupAt(size_t i) {
        assignThirdGroup(text_.valOf(i, 4), text_.at(i + 1) == u'0');
    }

    // An empty or zero third group keeps the default, except that a year typed with a zero
    // is the year 0 of the platform's two-digit rule.
    void assignThirdGroup(double read, bool zeroTyped) {
        int value = toPart(read);
        if (order_.DayPosition == 3 && value > 0) parts_.day = value;
        if (order_.MonthPosition == 3 && value > 0) parts_.month = value;
        if (order_.YearPosition == 3 && (zeroTyped || value > 0)) parts_.year = value;
    }

    TypedText text_;
    const RegionalDateOrder& order_;
    TypedDateParts parts_;
    size_t groupStart_ = 0;  // the position after which the current group starts
    bool isDay_ = false;
    bool isMonth_ = false;
    bool isYear_ = false;
};

// The platform's text of the date, when it gives back the typed day, month and the last two
// digits of the year (the two-digit year rule and roll-over otherwise change them). The
// platform's date text reads back as the date it was made from, so the built date's own
// parts are the parts of its text, without reading the text again.
CompletedEntry dateTextIfUnchanged(const DateEntry& entry, StringView referenceText) {
    double serial = dateSerial(entry.year, entry.month, entry.day);
    DateParts back = datePartsOf(serial);
    if (back.day != entry.day || back.month != entry.month || back.year % 100 != entry.year % 100) {
        return {String(referenceText), std::nullopt};
    }
    return {dateToText(serial), serial};
}

struct TimeEntry {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads hour and minute groups of a typed time; the seconds are read once, behind a second
// separator or where the minutes are full.
class TimeEntryScanner {
public:
    explicit TimeEntryScanner(StringView typed) : text_(typed) {}

    TimeEntry scan() {
        for (size_t i = 1; i <= text_.length(); ++i) {
            if (!text_.isDigitAt(i)) {
                if (groupStart_ != 0) {
                    readSeconds(i + 1);
                    break;
                }
                groupStart_ = i;
                ++group_;
                continue;
            }
            if (groupIsFull(i)) {
                if (groupStart_ != 0) {
                    readSeconds(i);
                    break;
                }
                groupStart_ = i - 1;
                ++group_;
            }
            assignCurrentGroup(i);
        }
        return entry_;
    }

private:
    bool groupIsFull(size_t i) const {
        size_t length = i - groupStart_;
        if (length < 2) return false;
        int firstTwo = text_.digitsValueOf(groupStart_ + 1, 2);
        return (group_ > 1 && firstTwo > 59) || (group_ == 1 && firstTwo > 24) || length > 2;
    }

    void assignCurrentGroup(size_t i) {
        int value = text_.digitsValueOf(groupStart_ + 1, i - groupStart_);
        if (group_ == 1) entry_.hour = value;
        if (group_ == 2) entry_.minute = value;
    }

    void readSeconds(size_t start) {
        int value = toPart(text_.valOf(start, 2));
        if (value < 60) entry_.second = value;
    }

    TypedText text_;
    TimeEntry entry_;
    size_t groupStart_ = 0;
    int group_ = 1;  // 1 hour, 2 minute
};

// There is no morning rule: without a "P" the hour stays as typed, 12 included.
void applyAfternoon(TimeEntry& entry, StringView typed) {
    if (entry.hour < 12 && upperCase(typed).find(u'P') != String::npos) entry.hour += 12;
}

CompletedEntry timeTextIfUnchanged(const TimeEntry& entry, StringView referenceText) {
    double serial = timeSerial(entry.hour, entry.minute, entry.second);
    DateParts back = datePartsOf(serial);
    if (back.hour != entry.hour || back.minute != entry.minute ||
        back.second % 100 != entry.second % 100) {
        return {String(referenceText), std::nullopt};
    }
    return {dateToText(serial), serial};
}

}  // namespace

// A platform failure on the way (a part beyond 16 bits, a date outside the calendar) is an
// entry that does not form a date, so it falls back like one.
CompletedEntry completeDateEntryWithSerial(StringView typed, StringView referenceText,
                                           const RegionalDateOrder& order, double today) {
    try {
        TypedDateParts parts = DateEntryScanner(typed, order).scan();
        DateEntry entry = withDefaults(parts, referenceText, today);
        correctMonthTen(entry);
        return dateTextIfUnchanged(entry, referenceText);
    } catch (const AutomationError&) {
        return {String(referenceText), std::nullopt};
    }
}

CompletedEntry completeTimeEntryWithSerial(StringView typed, StringView referenceText) {
    try {
        TimeEntry entry = TimeEntryScanner(typed).scan();
        applyAfternoon(entry, typed);
        return timeTextIfUnchanged(entry, referenceText);
    } catch (const AutomationError&) {
        return {String(referenceText), std::nullopt};
    }
}

String CompleteDateEntry(StringView typed, StringView referenceText, const RegionalDateOrder& order,
                         double today) {
    return completeDateEntryWithSerial(typed, referenceText, order, today).text;
}

String CompleteTimeEntry(StringView typed, StringView referenceText) {
    return completeTimeEntryWithSerial(typed, referenceText).text;
}

}  // namespace quelta
