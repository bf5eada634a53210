#include "platform/runtime/DatePatternRenderer.h"

namespace quelta {
namespace {

bool startsWithIgnoringCase(StringView text, size_t at, StringView word) {
    if (text.size() - at < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char16_t c = text[at + i];
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != word[i]) return false;
    }
    return true;
}

size_t runLength(StringView pattern, size_t i) {
    size_t end = i;
    char16_t c = pattern[i] | 0x20;  // lower case
    while (end < pattern.size() && (pattern[end] | 0x20) == c)
        ++end;
    return end - i;
}

void appendNumber(int value, size_t minDigits, String& out) {
    char16_t digits[12];
    size_t count = 0;
    unsigned magnitude = static_cast<unsigned>(value < 0 ? -value : value);
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0 && count < 12);
    for (size_t i = count; i < minDigits; ++i)
        out += u'0';
    while (count > 0)
        out += digits[--count];
}

// Whether an "m" at position i means minutes: it follows an hour code, with only
// separators and literals between.
bool followsHour(StringView pattern, size_t i) {
    for (size_t j = i; j-- > 0;) {
        char16_t c = pattern[j] | 0x20;
        if (c == u'h') return true;
        if (c == u'd' || c == u'y' || c == u'm' || c == u's' || c == u'n') return false;
    }
    return false;
}

bool hasDayNumber(StringView pattern) {
    for (size_t i = 0; i < pattern.size(); i += runLength(pattern, i)) {
        if ((pattern[i] | 0x20) == u'd' && runLength(pattern, i) <= 2) return true;
    }
    return false;
}

// The day period at i: "AM/PM", "am/pm", "A/P", "a/p" or "AMPM"; returns its length.
size_t renderDayPeriod(StringView pattern, size_t i, int hour, const RegionalSettings& settings,
                       String& out) {
    bool pm = hour >= 12;
    if (startsWithIgnoringCase(pattern, i, u"AM/PM")) {
        out += pattern[i] == u'a' ? (pm ? u"pm" : u"am") : (pm ? u"PM" : u"AM");
        return 5;
    }
    if (startsWithIgnoringCase(pattern, i, u"A/P")) {
        out += pattern[i] == u'a' ? (pm ? u'p' : u'a') : (pm ? u'P' : u'A');
        return 3;
    }
    if (startsWithIgnoringCase(pattern, i, u"AMPM")) {
        out += pm ? settings.pmDesignator : settings.amDesignator;
        return 4;
    }
    return 0;
}

bool hasDayPeriod(StringView pattern) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (startsWithIgnoringCase(pattern, i, u"AM/PM") ||
            startsWithIgnoringCase(pattern, i, u"A/P") ||
            startsWithIgnoringCase(pattern, i, u"AMPM")) {
            return true;
        }
    }
    return false;
}

// Renders the code run at i; returns its length, or 0 when the character is no code.
size_t renderCode(StringView pattern, size_t i, const DateParts& date,
                  const RegionalSettings& settings, bool twelveHour, bool genitive, String& out) {
    size_t n = runLength(pattern, i);
    size_t month = static_cast<size_t>(date.month - 1);
    switch (pattern[i] | 0x20) {
        case u'd':
            if (n <= 2) appendNumber(date.day, n, out);
            if (n == 3) out += settings.abbreviatedDayNames[static_cast<size_t>(date.weekday - 1)];
            if (n >= 4) out += settings.dayNames[static_cast<size_t>(date.weekday - 1)];
            return n;
        case u'm':
            if (n <= 2 && followsHour(pattern, i)) {
                appendNumber(date.minute, n, out);
            } else if (n <= 2) {
                appendNumber(date.month, n, out);
            } else if (n == 3) {
                out += genitive ? settings.genitiveAbbreviatedMonthNames[month]
                                : settings.abbreviatedMonthNames[month];
            } else {
                out += genitive ? settings.genitiveMonthNames[month] : settings.monthNames[month];
            }
            return n;
        case u'y':
            appendNumber(n <= 2 ? date.year % 100 : date.year, n <= 2 ? 2 : 4, out);
            return n;
        case u'h': {
            int hour = twelveHour ? (date.hour % 12 == 0 ? 12 : date.hour % 12) : date.hour;
            appendNumber(hour, n >= 2 ? 2 : 1, out);
            return n;
        }
        case u'n':
            appendNumber(date.minute, n >= 2 ? 2 : 1, out);
            return n;
        case u's':
            appendNumber(date.second, n >= 2 ? 2 : 1, out);
            return n;
        default:
            return 0;
    }
}

// A quoted literal at i ("…") or an escaped character (\x); returns its length.
size_t renderLiteral(StringView pattern, size_t i, String& out) {
    if (pattern[i] == u'\\') {
        if (i + 1 < pattern.size()) out += pattern[i + 1];
        return i + 1 < pattern.size() ? 2 : 1;
    }
    if (pattern[i] != u'"') return 0;
    size_t close = pattern.find(u'"', i + 1);
    if (close == StringView::npos) close = pattern.size();
    out += pattern.substr(i + 1, close - i - 1);
    return close == pattern.size() ? close - i : close - i + 1;
}

}  // namespace

void renderDatePattern(StringView pattern, const DateParts& date, const RegionalSettings& settings,
                       String& out) {
    bool twelveHour = hasDayPeriod(pattern);
    bool genitive = hasDayNumber(pattern);
    for (size_t i = 0; i < pattern.size();) {
        if (size_t n = renderDayPeriod(pattern, i, date.hour, settings, out)) {
            i += n;
        } else if (size_t code =
                       renderCode(pattern, i, date, settings, twelveHour, genitive, out)) {
            i += code;
        } else if (size_t literal = renderLiteral(pattern, i, out)) {
            i += literal;
        } else {
            char16_t c = pattern[i++];
            if (c == u'/') {
                out += settings.dateSeparator;
            } else if (c == u':') {
                out += settings.timeSeparator;
            } else {
                out += c;
            }
        }
    }
}

}  // namespace quelta
