#include "platform/runtime/TextRoutines.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <array>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

// Windows-1252 codes 128..159 (the rest of the code page is Latin-1). The five codes the
// code page leaves undefined map to the C1 control of the same number, as the platform's
// conversion does.
constexpr std::array<char16_t, 32> kCodes128To159 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

String upperCase(StringView text) {
    // Format strings and typed entries are nearly always ASCII, which needs no case tables.
    String upper(text);
    bool ascii = true;
    for (char16_t& c : upper) {
        if (c >= 0x80) {
            ascii = false;
            break;
        }
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - (u'a' - u'A'));
    }
    if (ascii) return upper;
    icu::UnicodeString unicode(reinterpret_cast<const UChar*>(text.data()),
                               static_cast<int32_t>(text.size()));
    unicode.toUpper(icu::Locale::getRoot());
    return String(reinterpret_cast<const char16_t*>(unicode.getBuffer()),
                  static_cast<size_t>(unicode.length()));
}

String trimSpaces(StringView text) {
    size_t first = text.find_first_not_of(u' ');
    if (first == StringView::npos) return String();
    size_t last = text.find_last_not_of(u' ');
    return String(text.substr(first, last - first + 1));
}

bool isDigitCharacter(StringView text) {
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
}

std::int32_t Asc(StringView text) {
    if (text.empty()) raiseError(kErrInvalidProcedureCall);
    char16_t c = text[0];
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (size_t i = 0; i < kCodes128To159.size(); ++i) {
        if (kCodes128To159[i] == c) return static_cast<std::int32_t>(128 + i);
    }
    return u'?';
}

String Chr(std::int32_t code) {
    if (code < 0 || code > 255) raiseError(kErrInvalidProcedureCall);
    if (code >= 128 && code < 160)
        return String(1, kCodes128To159[static_cast<size_t>(code - 128)]);
    return String(1, static_cast<char16_t>(code));
}

}  // namespace quelta
