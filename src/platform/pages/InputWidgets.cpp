#include "platform/pages/InputWidgets.h"

namespace quelta {
namespace {

// The longest start of `text` that fits `limit` code units without splitting a code point.
StringView limited(StringView text, std::size_t limit) {
    if (limit == 0 || text.size() <= limit) return text;
    std::size_t end = limit;
    if (codePointStartBefore(text, end + 1) < end) end = codePointStartBefore(text, end + 1);
    return text.substr(0, end);
}

}  // namespace

void CheckBox::setState(std::int32_t state) {
    if (state < kUnchecked || state > kGrayed) raiseError(kErrInvalidPropertyValue);
    if (state == state_) return;
    state_ = static_cast<std::int16_t>(state);
    reportChange();
}

void TextBox::setText(StringView text) {
    const StringView kept = limited(text, style_.maxLength);
    if (kept == text_) return;
    text_ = String(kept);
    reportChange();
}

}  // namespace quelta
