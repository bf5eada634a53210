#include "platform/String.h"

#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <algorithm>

namespace quelta {

// Names, keys and numbers are nearly always ASCII, which both encodings spell alike, one
// unit per character; only other text needs the converter.
String fromUtf8(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return String(utf8.begin(), utf8.end());
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return String(reinterpret_cast<const char16_t*>(text.getBuffer()),
                  static_cast<size_t>(text.length()));
}

std::string toUtf8(StringView utf16) {
    if (std::all_of(utf16.begin(), utf16.end(), [](char16_t c) { return c < 0x80; }))
        return std::string(utf16.begin(), utf16.end());
    icu::UnicodeString text(false, reinterpret_cast<const UChar*>(utf16.data()),
                            static_cast<int32_t>(utf16.size()));
    std::string result;
    text.toUTF8String(result);
    return result;
}

namespace {

template <typename Char>
bool equalIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

}  // namespace

bool equalsIgnoringAsciiCase(StringView a, StringView b) {
    return equalIgnoringAsciiCase(a, b);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return equalIgnoringAsciiCase(a, b);
}

bool startsWithIgnoringAsciiCase(StringView text, StringView prefix) {
    return text.size() >= prefix.size() &&
           equalIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

StringView trimmedBy(StringView text, bool (*isBlank)(char16_t)) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

CodePoint codePointAt(StringView text, std::size_t at) {
    const auto length = static_cast<std::int32_t>(text.size());
    auto next = static_cast<std::int32_t>(at);
    UChar32 value = 0;
    U16_NEXT(text.data(), next, length, value);
    return {static_cast<char32_t>(value), next - static_cast<std::int32_t>(at)};
}

std::size_t codePointStartBefore(StringView text, std::size_t at) {
    auto start = static_cast<std::int32_t>(at);
    U16_BACK_1(text.data(), 0, start);
    return static_cast<std::size_t>(start);
}

String codePointText(char32_t codePoint) {
    char16_t units[U16_MAX_LENGTH] = {};
    std::int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, static_cast<UChar32>(codePoint));
    return String(units, static_cast<std::size_t>(length));
}

}  // namespace quelta
