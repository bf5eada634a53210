#pragma once
// Whether a date control's format shows a date alone or a time alone, which decides how a
// typed entry is completed. Formats with both, or with quarters, weeks, weekdays, the
// general date code or a day-of-year code, are neither: such entries are taken as typed.

#include "platform/String.h"

namespace quelta {

struct DateTimeFormatKind {
    bool DateLike = false;
    bool TimeLike = false;
};

// format is the effective format (the regional date format already put in place of the
// keyword "Vesk Date"); letters are compared case-insensitively, quoted literals included.
DateTimeFormatKind classifyDateTimeFormat(StringView format);

}  // namespace quelta
