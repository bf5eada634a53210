#include "form/EscapedText.h"

#include <unicode/utf8.h>

#include <cstdint>
#include <cstdio>

namespace quelta {
namespace {

bool isControl(UChar32 c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

void appendEscape(std::string& out, const char* format, unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    out += buffer;
}

}  // namespace

std::string escapedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t at = 0;
    while (at < length) {
        const std::int32_t start = at;
        UChar32 c = 0;
        U8_NEXT(bytes, at, length, c);
        if (c < 0) {
            // Each byte of the malformed sequence, so that none is lost or merged.
            for (std::int32_t i = start; i < at; ++i)
                appendEscape(out, "\\x%02X", bytes[i]);
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x80 && isControl(c)) {
            appendEscape(out, "\\x%02X", static_cast<unsigned>(c));
        } else if (isControl(c)) {
            appendEscape(out, "\\u%04X", static_cast<unsigned>(c));
        } else {
            out.append(
                text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)));
        }
    }
    return out;
}

std::string quotedText(std::string_view text) {
    return "'" + escapedText(text) + "'";
}

}  // namespace quelta
