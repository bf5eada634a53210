#pragma once
// Renders a date by one of the regional date or time patterns, which are written in the
// Format routine's code language. Only the codes such patterns use are known here: day,
// weekday, month and year codes, hours, minutes, seconds, AM/PM, the "/" and ":"
// separators, quoted and escaped literals. The Format routine proper handles the rest.

#include "platform/region/Calendar.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {

// Appends the parts of a date rendered by the pattern to `out`.
void renderDatePattern(StringView pattern, const DateParts& date, const RegionalSettings& settings,
                       String& out);

}  // namespace quelta
