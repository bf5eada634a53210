#include "format/ReplaceLineBreaks.h"

#include <algorithm>

#include "platform/runtime/TextRoutines.h"

namespace quelta {

void ReplaceLineBreaks(String& text) {
    // The placeholder is one UTF-16 unit (the euro sign), so positions stay where they were.
    const char16_t placeholder = Chr(128)[0];
    std::replace(text.begin(), text.end(), u'\t', placeholder);
    std::replace(text.begin(), text.end(), u'\n', placeholder);
}

}  // namespace quelta
