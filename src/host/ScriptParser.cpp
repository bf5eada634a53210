#include "host/ScriptParser.h"

#include <array>
#include <cctype>

namespace quelta::script {
namespace {

// Statements whose operands are words rather than expressions.
constexpr std::array<std::string_view, 12> kKeywords = {"region",  "clock", "platform", "usermode",
                                                        "new",     "focus", "keys",     "events",
                                                        "changes", "save",  "load",     "page"};

// Nested parentheses and negations deeper than this are refused, so that a hostile line
// cannot exhaust the stack.
constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    const Token& peek() const { return tokens_[position_]; }
    bool atEnd() const { return peek().kind == TokenKind::End; }
    bool isSymbol(std::string_view symbol) const {
        return peek().kind == TokenKind::Symbol && peek().spelling == symbol;
    }
    const Token& take() { return tokens_[atEnd() ? position_ : position_++]; }

    void expectSymbol(std::string_view symbol) {
        if (!isSymbol(symbol)) fail("expected '" + std::string(symbol) + "'");
        take();
    }
    std::string expectIdentifier() {
        if (peek().kind != TokenKind::Identifier) fail("expected a name");
        return take().spelling;
    }
    void expectEnd() {
        if (!atEnd()) fail("unexpected '" + peek().spelling + "'");
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw SyntaxError(what + " at column " + std::to_string(peek().column + 1));
    }

    ExpressionPtr expression(int depth = 0) {
        if (depth > kMaxDepth) fail("expression nested too deeply");
        if (isSymbol("-")) {
            take();
            return std::make_unique<Expression>(Expression{Negation{expression(depth + 1)}});
        }
        if (isSymbol("(")) {
            take();
            ExpressionPtr inner = expression(depth + 1);
            expectSymbol(")");
            return inner;
        }
        const Token& token = peek();
        switch (token.kind) {
            case TokenKind::Number:
            case TokenKind::Text:
            case TokenKind::DateTime:
                return std::make_unique<Expression>(Expression{Literal{take().value}});
            case TokenKind::Identifier:
                return reference(depth);
            default:
                fail("expected a value");
        }
    }

    std::vector<ExpressionPtr> argumentList(int depth) {
        std::vector<ExpressionPtr> arguments;
        arguments.push_back(expression(depth + 1));
        while (isSymbol(",")) {
            take();
            arguments.push_back(expression(depth + 1));
        }
        return arguments;
    }

    std::vector<ExpressionPtr> parenthesisedArguments(int depth) {
        expectSymbol("(");
        std::vector<ExpressionPtr> arguments;
        if (!isSymbol(")")) arguments = argumentList(depth);
        expectSymbol(")");
        return arguments;
    }

    MemberReference memberReference(std::string object, int depth) {
        MemberReference reference;
        reference.object = std::move(object);
        expectSymbol(".");
        reference.member = expectIdentifier();
        if (isSymbol("(")) {
            reference.hasParentheses = true;
            reference.arguments = parenthesisedArguments(depth);
        }
        return reference;
    }

    ExpressionPtr reference(int depth) {
        std::string name = take().spelling;
        std::string lower = lowerCase(name);
        if (lower == "true" || lower == "false") {
            return literal(Variant::boolean(lower == "true"));
        }
        if (lower == "empty") return literal(Variant());
        if (lower == "null") return literal(Variant::null());
        if (lower == "nothing") return literal(Variant::nothing());
        if (isSymbol(".")) {
            return std::make_unique<Expression>(Expression{memberReference(name, depth)});
        }
        if (isSymbol("(")) {
            return std::make_unique<Expression>(
                Expression{FunctionCall{name, parenthesisedArguments(depth)}});
        }
        return std::make_unique<Expression>(Expression{NameReference{name}});
    }

    static ExpressionPtr literal(Variant value) {
        return std::make_unique<Expression>(Expression{Literal{std::move(value)}});
    }

private:
    std::vector<Token> tokens_;
    std::size_t position_ = 0;
};

std::string_view trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Where a comment starts: the first ' outside a string.
std::size_t commentStart(std::string_view text) {
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') inString = !inString;
        if (text[i] == '\'' && !inString) return i;
    }
    return std::string_view::npos;
}

// The operand of a word statement: the rest of the line, without a trailing comment.
// Returns nullopt when the keyword runs into other letters ("regional").
std::optional<std::string_view> restOfLine(std::string_view line, std::size_t keywordLength) {
    std::string_view rest = trimmed(line).substr(keywordLength);
    if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return std::nullopt;
    return trimmed(rest.substr(0, commentStart(rest)));
}

// A file name operand: a quoted string or the bare rest of the line.
String fileOperand(std::string_view operand) {
    if (operand.size() >= 2 && operand.front() == '"' && operand.back() == '"') {
        std::vector<Token> tokens = tokenize(operand);
        if (tokens.size() == 2 && tokens[0].kind == TokenKind::Text) {
            return tokens[0].value.toString();
        }
    }
    if (operand.empty()) throw SyntaxError("expected a file name");
    return fromUtf8(operand);
}

Statement wordStatement(const std::string& keyword, std::string_view line) {
    Statement statement;
    statement.keyword = keyword;
    std::optional<std::string_view> rest = restOfLine(line, keyword.size());
    if (!rest) throw SyntaxError("unknown statement");
    std::string_view operand = *rest;
    if (keyword == "clock") {
        try {
            statement.serial = parseDateLiteral(operand);
        } catch (const AutomationError&) {
            throw SyntaxError("date out of range");
        }
    } else if (keyword == "save" || keyword == "load") {
        statement.text = fileOperand(operand);
    } else if (keyword == "keys") {
        std::vector<Token> tokens = tokenize(operand);
        if (tokens.size() != 2 || tokens[0].kind != TokenKind::Text) {
            throw SyntaxError("expected a quoted key string");
        }
        statement.text = tokens[0].value.toString();
    } else {
        std::size_t space = operand.find_first_of(" \t");
        statement.word = std::string(operand.substr(0, space));
        if (space != std::string_view::npos) {
            statement.secondWord = std::string(trimmed(operand.substr(space)));
        }
        if (statement.word.empty()) throw SyntaxError("expected an operand after " + keyword);
        bool takesTwoWords = keyword == "page";
        if (!takesTwoWords && !statement.secondWord.empty()) {
            throw SyntaxError("unexpected '" + statement.secondWord + "'");
        }
    }
    return statement;
}

// The leading word of a line and the first character after it (0 at the end).
std::pair<std::string, char> leadingWord(std::string_view line) {
    std::string_view text = trimmed(line);
    std::size_t end = 0;
    while (end < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) {
        ++end;
    }
    std::string_view after = trimmed(text.substr(end));
    return {lowerCase(text.substr(0, end)), after.empty() ? '\0' : after.front()};
}

Statement printStatement(Parser& parser) {
    parser.take();
    Statement statement;
    statement.keyword = "?";
    statement.arguments.push_back(parser.expression());
    parser.expectEnd();
    return statement;
}

Statement memberStatement(Parser& parser) {
    Statement statement;
    std::string name = parser.take().spelling;
    if (parser.isSymbol(".")) {
        statement.target = parser.memberReference(name, 0);
    } else {
        statement.target.object = name;  // NAME alone: the default member
    }
    if (parser.isSymbol("=")) {
        parser.take();
        statement.keyword = "let";
        statement.arguments.push_back(parser.expression());
    } else {
        if (statement.target.member.empty()) throw SyntaxError("unknown statement");
        statement.keyword = "call";
        if (!parser.atEnd()) statement.arguments = parser.argumentList(0);
        if (statement.target.hasParentheses && !statement.arguments.empty()) {
            parser.fail("unexpected arguments");
        }
    }
    parser.expectEnd();
    return statement;
}

}  // namespace

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::optional<Statement> parseStatement(std::string_view line) {
    auto [word, next] = leadingWord(line);
    bool followedByMember = next == '.' || next == '=';
    for (std::string_view keyword : kKeywords) {
        if (word == keyword && !followedByMember) return wordStatement(word, line);
    }
    std::vector<Token> tokens = tokenize(line);
    if (tokens.front().kind == TokenKind::End) return std::nullopt;
    Parser parser(std::move(tokens));
    if (parser.isSymbol("?")) return printStatement(parser);
    if (parser.peek().kind != TokenKind::Identifier) throw SyntaxError("unknown statement");
    return memberStatement(parser);
}

}  // namespace quelta::script
