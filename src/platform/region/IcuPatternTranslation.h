#pragma once
// Translation of ICU date and time patterns ("dd.MM.yy", "h:mm:ss a") into the Format
// routine's own code language ("dd/mm/yyyy", "h:nn:ss AM/PM"), so that the named date and
// time formats of a region are plain format strings.

#include "platform/String.h"

namespace quelta {

struct PatternTranslationOptions {
    String dateSeparator;        // a literal equal to it becomes "/"
    String timeSeparator;        // a literal equal to it becomes ":"
    bool fourDigitYear = false;  // every year field becomes "yyyy"
    String amPmCode = u"AM/PM";  // what a day-period field becomes
};

// Fields become format codes, literal text is quoted ("年") unless it is harmless
// punctuation, and eras, time zones and fractions of seconds are dropped together with the
// spaces that only separated them. Narrow and no-break spaces become plain spaces so that
// what the user sees can be typed back.
String translateIcuPattern(StringView icuPattern, const PatternTranslationOptions& options);

// The literal text right after the first field whose letter is one of fieldLetters, when
// another field follows it: "." for "dd.MM.yy" and "dMy", ". " for "yy. M. d.", ":" for
// "a h:mm" and "Hh". "" when there is none. Spaces are normalised as above.
String separatorAfterField(StringView icuPattern, StringView fieldLetters);

}  // namespace quelta
