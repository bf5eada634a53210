#include "platform/String.h"

#include <unicode/unistr.h>

namespace quelta {

String fromUtf8(std::string_view utf8) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return String(reinterpret_cast<const char16_t*>(text.getBuffer()),
                  static_cast<size_t>(text.length()));
}

std::string toUtf8(StringView utf16) {
    icu::UnicodeString text(false, reinterpret_cast<const UChar*>(utf16.data()),
                            static_cast<int32_t>(utf16.size()));
    std::string result;
    text.toUTF8String(result);
    return result;
}

}  // namespace quelta
