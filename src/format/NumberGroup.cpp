#include "format/NumberGroup.h"

#include <limits>

#include "platform/AutomationError.h"
#include "platform/runtime/Conversions.h"

namespace quelta {

namespace {

// ANSI codes 48 to 57 only: other scripts' digits do not make groups.
bool isAnsiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

std::int32_t GetNumberGroup(StringView text, std::int16_t k) {
    size_t i = 0;
    for (; k > 0; --k) {
        while (i < text.size() && !isAnsiDigit(text[i]))
            ++i;
        if (i == text.size()) return 0;
        size_t start = i;
        while (i < text.size() && isAnsiDigit(text[i]))
            ++i;
        if (k == 1) {
            double value = val(text.substr(start, i - start));
            if (value > std::numeric_limits<std::int32_t>::max()) raiseError(kErrOverflow);
            return static_cast<std::int32_t>(value);
        }
    }
    return 0;
}

}  // namespace quelta
