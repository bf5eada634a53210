#include "format/DateTimeFormatKind.h"

#include "platform/runtime/TextRoutines.h"

namespace quelta {

namespace {

bool contains(StringView text, StringView part) {
    return text.find(part) != StringView::npos;
}

// A run of one or three "Y" is the day-of-year code, which completion cannot serve; runs
// of two or four are years. Only the first odd run counts.
bool hasOddYearRun(StringView upper) {
    size_t i = 0;
    while ((i = upper.find(u'Y', i)) != StringView::npos) {
        size_t end = upper.find_first_not_of(u'Y', i);
        if (end == StringView::npos) end = upper.size();
        if ((end - i) % 2 == 1) return true;
        i = end;
    }
    return false;
}

DateTimeFormatKind classifyUpperCase(const String& upper) {
    DateTimeFormatKind kind;
    if (upper.empty() || contains(upper, u"DATE")) {
        kind.DateLike = true;
    } else if (contains(upper, u"TIME")) {
        kind.TimeLike = true;
    } else {
        kind.DateLike = contains(upper, u"DDDDD") ||
                        (contains(upper, u"D") && contains(upper, u"M") && contains(upper, u"YY"));
        kind.TimeLike =
            contains(upper, u"TTTTT") || (contains(upper, u"H") && contains(upper, u"N"));
    }
    if (!kind.DateLike && !kind.TimeLike) return kind;
    // Quarters, weeks, weekdays and the general date code have no typed form to complete.
    bool uncompletable = upper.find_first_of(u"QWC") != String::npos || hasOddYearRun(upper);
    if (uncompletable || (kind.DateLike && kind.TimeLike)) return {};
    return kind;
}

}  // namespace

// A date control classifies its one format at every refresh of its display: the answer for
// the format asked last is kept.
DateTimeFormatKind classifyDateTimeFormat(StringView format) {
    struct Last {
        bool known = false;
        String format;
        DateTimeFormatKind kind;
    };
    thread_local Last last;
    if (last.known && last.format == format) return last.kind;
    last.known = false;
    last.format = String(format);
    last.kind = classifyUpperCase(upperCase(format));
    last.known = true;
    return last.kind;
}

}  // namespace quelta
