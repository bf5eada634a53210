#include "script/ScriptLexer.h"

#include <unicode/utf8.h>

#include <algorithm>
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

// Whether a decimal spelling that is out of a double's range lies beyond it (rather than
// too close to zero): whether its first significant digit stands at a power of ten of 0 or
// more. The powers involved are in the hundreds, so the sign alone decides.
bool isTooLargeForDouble(std::string_view spelling) {
    const std::size_t e = spelling.find_first_of("eE");
    const std::string_view mantissa = spelling.substr(0, e);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const std::size_t significant = mantissa.find_first_of("123456789");
    if (significant == std::string_view::npos) return false;
    const auto first = static_cast<long long>(significant);
    long long power = first < point ? point - first - 1 : point - first;
    if (e == std::string_view::npos) return power >= 0;
    std::string_view digits = spelling.substr(e + 1);
    const bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+')) digits.remove_prefix(1);
    long long exponent = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
        return !negative;  // an exponent of more digits than any long holds
    return power + (negative ? -exponent : exponent) >= 0;
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
    const bool readAll = result.ptr == spelling.data() + spelling.size();
    if (readAll && result.ec == std::errc::result_out_of_range) {
        if (isTooLargeForDouble(spelling)) raiseError(kErrOverflow);
        value = 0;  // too small: the nearest double
    } else if (result.ec != std::errc() || !readAll || !std::isfinite(value)) {
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

void failAt(std::size_t column, const std::string& what) {
    throw SyntaxError(what + " at column " + std::to_string(column + 1));
}

std::size_t scanIdentifier(std::string_view line, std::size_t at) {
    if (at >= line.size() || !isIdentifierStart(line[at])) return at;
    std::size_t end = at + 1;
    while (end < line.size() && isIdentifierPart(line[end]))
        ++end;
    return end;
}

namespace {

bool isBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}

// A digit, a point before a digit, or & before a letter (&H, &O).
bool startsNumber(std::string_view line, std::size_t at) {
    const char c = line[at];
    const bool letterFollows =
        at + 1 < line.size() && std::isalpha(static_cast<unsigned char>(line[at + 1]));
    const bool digitFollows = at + 1 < line.size() && isDigit(line[at + 1]);
    return isDigit(c) || (c == '.' && digitFollows) || (c == '&' && letterFollows);
}

// number := ['&' letter] {letter | digit | '_' | '.' | ('+' | '-') after E or e}
// The whole run is one spelling, so that "12abc" is refused rather than split.
std::size_t scanNumber(std::string_view line, std::size_t at, Variant& value) {
    std::size_t end = line[at] == '&' ? at + 2 : at;
    while (end < line.size() && (isIdentifierPart(line[end]) || line[end] == '.' ||
                                 ((line[end] == '+' || line[end] == '-') &&
                                  (line[end - 1] == 'E' || line[end - 1] == 'e')))) {
        ++end;
    }
    try {
        value = parseNumberLiteral(line.substr(at, end - at));
    } catch (const SyntaxError& error) {
        failAt(at, error.message());
    }
    return end;
}

// string := '"' {character | '""'} '"'; "" stands for one quote.
std::size_t scanString(std::string_view line, std::size_t at, std::string& text) {
    std::size_t i = at + 1;
    for (;;) {
        if (i >= line.size()) failAt(at, "unterminated string");
        if (line[i] != '"') {
            text += line[i++];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            text += '"';
            i += 2;
        } else {
            return i + 1;
        }
    }
}

// date := '#' date-literal '#'
std::size_t scanDate(std::string_view line, std::size_t at, double& serial) {
    const std::size_t end = line.find('#', at + 1);
    if (end == std::string_view::npos) failAt(at, "unterminated date");
    try {
        serial = parseDateLiteral(line.substr(at + 1, end - at - 1));
    } catch (const AutomationError&) {
        failAt(at, "date out of range");
    } catch (const SyntaxError& error) {
        failAt(at, error.message());
    }
    return end + 1;
}

// The character that starts at `at` with all the bytes of its UTF-8 sequence.
std::string_view characterAt(std::string_view line, std::size_t at) {
    auto end = static_cast<std::int32_t>(at);
    UChar32 ignored = 0;
    U8_NEXT(line.data(), end, static_cast<std::int32_t>(line.size()), ignored);
    return line.substr(at, static_cast<std::size_t>(end) - at);
}

bool isSymbol(char c) {
    return std::string_view("?.,()=-").find(c) != std::string_view::npos;
}

// Reads the token that starts at `at` into token; returns where it stopped.
std::size_t scanToken(std::string_view line, std::size_t at, Token& token) {
    token.column = at;
    const char c = line[at];
    if (isIdentifierStart(c)) {
        const std::size_t end = scanIdentifier(line, at);
        token.kind = TokenKind::Identifier;
        token.spelling = std::string(line.substr(at, end - at));
        return end;
    }
    if (startsNumber(line, at)) {
        const std::size_t end = scanNumber(line, at, token.value);
        token.kind = TokenKind::Number;
        token.spelling = std::string(line.substr(at, end - at));
        return end;
    }
    if (c == '"') {
        std::string text;
        const std::size_t end = scanString(line, at, text);
        token = {TokenKind::Text, "\"", Variant(fromUtf8(text)), at};
        return end;
    }
    if (c == '#') {
        double serial = 0;
        const std::size_t end = scanDate(line, at, serial);
        token = {TokenKind::DateTime, "#", Variant(Date{serial}), at};
        return end;
    }
    if (isSymbol(c)) {
        token = {TokenKind::Symbol, std::string(1, c), Variant(), at};
        return at + 1;
    }
    failAt(at, "unexpected character '" + std::string(characterAt(line, at)) + "'");
}

std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at]))
        ++at;
    return at;
}

}  // namespace

std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t at = skipBlanks(line, 0);
    while (at < line.size() && line[at] != '\'') {
        Token token;
        at = skipBlanks(line, scanToken(line, at, token));
        tokens.push_back(std::move(token));
    }
    tokens.push_back({TokenKind::End, "", Variant(), line.size()});
    return tokens;
}

}  // namespace quelta::script
