#pragma once
// Splits one line of the script language into tokens. Numbers, strings and dates are read
// in invariant notation, whatever the region.

#include <string>
#include <string_view>
#include <vector>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta::script {

enum class TokenKind { Identifier, Number, Text, DateTime, Symbol, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string spelling;  // identifier as written, or the symbol
    Variant value;         // for Number, Text and DateTime
    std::size_t column = 0;
};

// Raised for a line that cannot be split into tokens or parsed; the message says what and
// where.
class SyntaxError : public std::exception {
public:
    explicit SyntaxError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    // The whole message, even when it quotes a NUL that what() would end at.
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// The characters that separate tokens and words; a line may end in \r.
constexpr std::string_view kBlanks = " \t\r";

// Raises the SyntaxError for a fault at a 0-based column of the line: "WHAT at column N".
[[noreturn]] void failAt(std::size_t column, const std::string& what);

// The tokens of a line (UTF-8), ending with an End token. A comment (') ends the line
// outside strings.
std::vector<Token> tokenize(std::string_view line);

// Where the name (a letter or _, then letters, digits and _) that starts at `at` ends;
// `at` itself when none starts there.
std::size_t scanIdentifier(std::string_view line, std::size_t at);

// A number in invariant notation: 12, .17, 1.5E+21, &H8000000F, &O17. Whole numbers become
// Integer, Long or Double by their size as the platform's literals do; hex and octal
// literals of up to 16 bits are Integer, up to 32 bits Long (with the sign of the bit
// pattern).
Variant parseNumberLiteral(std::string_view spelling);

// A date literal without its # signs: "2000-12-31", "2000-12-31 13:45:00", "13:45:00",
// "13:45".
double parseDateLiteral(std::string_view spelling);

}  // namespace quelta::script
