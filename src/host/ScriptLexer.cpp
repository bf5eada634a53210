#include "host/ScriptLexer.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/region/Calendar.h"

namespace quelta::script {
namespace {

bool isIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isIdentifierPart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void fail(std::size_t column, const std::string& what) {
    throw SyntaxError(what + " at column " + std::to_string(column + 1));
}

Variant wholeNumber(double value) {
    if (value >= -32768 && value <= 32767) return Variant(static_cast<std::int16_t>(value));
    if (value >= -2147483648.0 && value <= 2147483647.0) {
        return Variant(static_cast<std::int32_t>(value));
    }
    return Variant(value);
}

Variant radixLiteral(std::string_view digits, int radix) {
    if (digits.empty()) throw SyntaxError("missing digits in number");
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = isDigit(c) ? c - '0' : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        if (digit < 0 || digit >= radix) throw SyntaxError("bad digit in number");
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) throw SyntaxError("number too large");
    }
    if (value <= 0xFFFF)
        return Variant(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return Variant(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Reads "yyyy-mm-dd" or "hh:nn[:ss]" as numbers; returns false when the shape differs.
bool readNumbers(std::string_view text, char separator, int (&parts)[3], int& count) {
    count = 0;
    std::size_t start = 0;
    while (start <= text.size() && count < 3) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view piece = text.substr(start, end - start);
        if (piece.empty() || piece.size() > 4) return false;
        auto result = std::from_chars(piece.data(), piece.data() + piece.size(), parts[count]);
        if (result.ec != std::errc() || result.ptr != piece.data() + piece.size()) return false;
        ++count;
        start = end + 1;
        if (end == text.size()) return true;
    }
    return false;
}

double timeOfDay(std::string_view text) {
    int parts[3] = {0, 0, 0};
    int count = 0;
    if (!readNumbers(text, ':', parts, count) || count < 2 || parts[0] > 23 || parts[1] > 59 ||
        parts[2] > 59) {
        throw SyntaxError("bad time in date literal");
    }
    return timeSerial(parts[0], parts[1], parts[2]);
}

}  // namespace

Variant parseNumberLiteral(std::string_view spelling) {
    if (spelling.size() > 2 && spelling[0] == '&') {
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(spelling[1])));
        if (kind == 'H') return radixLiteral(spelling.substr(2), 16);
        if (kind == 'O') return radixLiteral(spelling.substr(2), 8);
        throw SyntaxError("bad number");
    }
    double value = 0;
    auto result = std::from_chars(spelling.data(), spelling.data() + spelling.size(), value);
    if (result.ec != std::errc() || result.ptr != spelling.data() + spelling.size() ||
        !std::isfinite(value)) {
        throw SyntaxError("bad number '" + std::string(spelling) + "'");
    }
    bool whole = spelling.find_first_of(".eE") == std::string_view::npos;
    return whole ? wholeNumber(value) : Variant(value);
}

double parseDateLiteral(std::string_view spelling) {
    std::size_t space = spelling.find(' ');
    std::string_view datePart = spelling.substr(0, space);
    std::string_view timePart = space == std::string_view::npos ? "" : spelling.substr(space + 1);
    if (datePart.find(':') != std::string_view::npos && timePart.empty()) {
        return timeOfDay(datePart);
    }
    int parts[3] = {0, 0, 0};
    int count = 0;
    if (!readNumbers(datePart, '-', parts, count) || count != 3 ||
        !isValidDay(parts[0], parts[1], parts[2]) || parts[0] < 100) {
        throw SyntaxError("bad date literal '" + std::string(spelling) + "'");
    }
    double date = dateSerial(parts[0], parts[1], parts[2]);
    return timePart.empty() ? date : combineDateAndTime(date, timeOfDay(timePart));
}

std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        std::size_t start = i;
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '\'') {
            break;
        } else if (isIdentifierStart(c)) {
            while (i < line.size() && isIdentifierPart(line[i]))
                ++i;
            tokens.push_back({TokenKind::Identifier, std::string(line.substr(start, i - start)),
                              Variant(), start});
        } else if (isDigit(c) || (c == '.' && i + 1 < line.size() && isDigit(line[i + 1])) ||
                   (c == '&' && i + 1 < line.size() &&
                    std::isalpha(static_cast<unsigned char>(line[i + 1])))) {
            i += c == '&' ? 2 : 0;
            while (i < line.size() && (isIdentifierPart(line[i]) || line[i] == '.' ||
                                       ((line[i] == '+' || line[i] == '-') &&
                                        (line[i - 1] == 'E' || line[i - 1] == 'e')))) {
                ++i;
            }
            std::string_view spelling = line.substr(start, i - start);
            try {
                tokens.push_back({TokenKind::Number, std::string(spelling),
                                  parseNumberLiteral(spelling), start});
            } catch (const SyntaxError& error) {
                fail(start, error.what());
            }
        } else if (c == '"') {
            std::string text;
            ++i;
            for (;;) {
                if (i >= line.size()) fail(start, "unterminated string");
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += line[i++];
            }
            tokens.push_back({TokenKind::Text, "\"", Variant(fromUtf8(text)), start});
        } else if (c == '#') {
            std::size_t end = line.find('#', i + 1);
            if (end == std::string_view::npos) fail(start, "unterminated date");
            try {
                double serial = parseDateLiteral(line.substr(i + 1, end - i - 1));
                tokens.push_back({TokenKind::DateTime, "#", Variant(Date{serial}), start});
            } catch (const AutomationError&) {
                fail(start, "date out of range");
            } catch (const SyntaxError& error) {
                fail(start, error.what());
            }
            i = end + 1;
        } else if (std::string_view("?.,()=-").find(c) != std::string_view::npos) {
            tokens.push_back({TokenKind::Symbol, std::string(1, c), Variant(), start});
            ++i;
        } else {
            fail(start, std::string("unexpected character '") + c + "'");
        }
    }
    tokens.push_back({TokenKind::End, "", Variant(), line.size()});
    return tokens;
}

}  // namespace quelta::script
