#include "format/NumericText.h"

#include "platform/runtime/TextRoutines.h"

namespace quelta {

namespace {

// "E" stays only where an exponent can follow, so a stray letter does not end the number.
bool startsExponent(StringView text, size_t i) {
    if (text[i] != u'E' || i + 1 >= text.size()) return false;
    char16_t next = text[i + 1];
    return next == u'+' || next == u'-' || isDigitCharacter(text.substr(i + 1, 1));
}

}  // namespace

String numericTextOf(StringView text, StringView numericChars) {
    String result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (numericChars.find(text[i]) != StringView::npos || startsExponent(text, i)) {
            result += text[i];
        }
    }
    if (result.empty()) return String(u"0");
    return result;
}

}  // namespace quelta
