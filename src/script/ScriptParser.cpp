#include "script/ScriptParser.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quelta::script {
namespace {

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
    [[noreturn]] void fail(const std::string& what) const { failAt(peek().column, what); }

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
        if (equalsIgnoringAsciiCase(name, "true")) return literal(Variant::boolean(true));
        if (equalsIgnoringAsciiCase(name, "false")) return literal(Variant::boolean(false));
        if (equalsIgnoringAsciiCase(name, "empty")) return literal(Variant());
        if (equalsIgnoringAsciiCase(name, "null")) return literal(Variant::null());
        if (equalsIgnoringAsciiCase(name, "nothing")) return literal(Variant::nothing());
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
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(kBlanks);
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

// The text of an operand that is one string literal and nothing else.
std::optional<String> quotedOperand(std::string_view operand) {
    std::vector<Token> tokens = tokenize(operand);
    if (tokens.size() == 2 && tokens[0].kind == TokenKind::Text) {
        return tokens[0].value.toString();
    }
    return std::nullopt;
}

// A file name operand: a quoted string or the bare rest of the line.
String fileOperand(std::string_view operand) {
    if (operand.size() >= 2 && operand.front() == '"' && operand.back() == '"') {
        if (std::optional<String> quoted = quotedOperand(operand)) return *quoted;
    }
    if (operand.empty()) throw SyntaxError("expected a file name");
    return fromUtf8(operand);
}

String keysOperand(std::string_view operand) {
    std::optional<String> quoted = quotedOperand(operand);
    if (!quoted) throw SyntaxError("expected a quoted key string");
    return *quoted;
}

double clockOperand(std::string_view operand) {
    try {
        return parseDateLiteral(operand);
    } catch (const AutomationError&) {
        throw SyntaxError("date out of range");
    }
}

// The first word of an operand and the rest after it (empty when there is none).
struct OperandWords {
    std::string first;
    std::string second;
};

OperandWords operandWords(std::string_view keyword, std::string_view operand) {
    const std::size_t space = operand.find_first_of(" \t");
    OperandWords words{std::string(operand.substr(0, space)), ""};
    if (space != std::string_view::npos) words.second = std::string(trimmed(operand.substr(space)));
    if (words.first.empty()) {
        throw SyntaxError("expected an operand after " + std::string(keyword));
    }
    return words;
}

std::string singleWord(std::string_view keyword, std::string_view operand) {
    OperandWords words = operandWords(keyword, operand);
    if (!words.second.empty()) throw SyntaxError("unexpected '" + words.second + "'");
    return std::move(words.first);
}

// A control's name: a letter, then letters, digits or _, so that statements can name it.
std::string controlName(std::string_view keyword, std::string_view operand) {
    std::string name = singleWord(keyword, operand);
    const bool startsWithLetter = std::isalpha(static_cast<unsigned char>(name.front())) != 0;
    if (!startsWithLetter || scanIdentifier(name, 0) != name.size()) {
        throw SyntaxError("a control name is a letter, then letters, digits or _: '" + name + "'");
    }
    return name;
}

bool onOff(std::string_view keyword, std::string_view operand) {
    const std::string word = singleWord(keyword, operand);
    if (equalsIgnoringAsciiCase(word, "on")) return true;
    if (equalsIgnoringAsciiCase(word, "off")) return false;
    throw SyntaxError("expected on or off");
}

// page NAME General|Text, page apply, page close.
PageCommand pageCommand(std::string_view keyword, std::string_view operand) {
    OperandWords words = operandWords(keyword, operand);
    const bool isAction = equalsIgnoringAsciiCase(words.first, "apply") ||
                          equalsIgnoringAsciiCase(words.first, "close");
    const bool isPageKind = equalsIgnoringAsciiCase(words.second, "general") ||
                            equalsIgnoringAsciiCase(words.second, "text");
    if (words.second.empty() ? !isAction : !isPageKind) {
        throw SyntaxError("expected page NAME General, page NAME Text, page apply or page close");
    }
    return PageCommand{std::move(words.first), std::move(words.second)};
}

// The words of an operand separated by blanks.
std::vector<std::string> blankSeparatedWords(std::string_view operand) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = operand.find_first_not_of(kBlanks, at)) != std::string_view::npos) {
        const std::size_t end = std::min(operand.find_first_of(kBlanks, at), operand.size());
        words.emplace_back(operand.substr(at, end - at));
        at = end;
    }
    return words;
}

double numberOperand(const std::string& word, std::string_view what) {
    try {
        const Variant number = parseNumberLiteral(word);
        if (number.type() != VariantType::String) return number.toDouble();
    } catch (const AutomationError&) {
    } catch (const SyntaxError&) {
    }
    throw SyntaxError("expected " + std::string(what) + ", not '" + word + "'");
}

std::int16_t smallWholeOperand(const std::string& word, std::string_view what) {
    const double number = numberOperand(word, what);
    if (number < 0 || number > 7 || number != static_cast<int>(number)) {
        throw SyntaxError("expected " + std::string(what) + " from 0 to 7, not '" + word + "'");
    }
    return static_cast<std::int16_t>(number);
}

// mouse NAME down|up|move|click|dblclick BUTTON SHIFT X Y.
PointerAction pointerAction(std::string_view, std::string_view operand) {
    using Kind = PointerAction::Kind;
    constexpr std::pair<std::string_view, Kind> kActions[] = {{"down", Kind::Down},
                                                              {"up", Kind::Up},
                                                              {"move", Kind::Move},
                                                              {"click", Kind::Click},
                                                              {"dblclick", Kind::DoubleClick}};
    const std::vector<std::string> words = blankSeparatedWords(operand);
    if (words.size() != 6) throw SyntaxError("expected mouse NAME ACTION BUTTON SHIFT X Y");
    PointerAction action;
    action.control = words[0];
    const auto known = std::find_if(std::begin(kActions), std::end(kActions), [&](auto& entry) {
        return equalsIgnoringAsciiCase(words[1], entry.first);
    });
    if (known == std::end(kActions)) {
        throw SyntaxError("expected down, up, move, click or dblclick, not '" + words[1] + "'");
    }
    action.kind = known->second;
    action.button = smallWholeOperand(words[2], "a button");
    action.shift = smallWholeOperand(words[3], "a shift state");
    action.x = static_cast<float>(numberOperand(words[4], "X in twips"));
    action.y = static_cast<float>(numberOperand(words[5], "Y in twips"));
    return action;
}

// The statements whose operands are words rather than expressions, and how each reads
// its operand (the rest of the line after the keyword, trimmed, without a comment).
struct WordStatement {
    std::string_view keyword;
    Statement (*parse)(std::string_view keyword, std::string_view operand);
};

constexpr std::array<WordStatement, 14> kWordStatements = {{
    {"region", [](auto k, auto o) -> Statement { return SelectRegion{singleWord(k, o)}; }},
    {"clock", [](auto, auto o) -> Statement { return PinClock{clockOperand(o)}; }},
    {"platform",
     [](auto k, auto o) -> Statement {
         return SetPlatformVersion{parseNumberLiteral(singleWord(k, o))};
     }},
    {"usermode",
     [](auto k, auto o) -> Statement { return SetUserMode{fromUtf8(singleWord(k, o))}; }},
    {"new", [](auto k, auto o) -> Statement { return NewControl{controlName(k, o)}; }},
    {"focus", [](auto k, auto o) -> Statement { return FocusControl{singleWord(k, o)}; }},
    {"keys", [](auto, auto o) -> Statement { return TypeKeys{keysOperand(o)}; }},
    {"events", [](auto k, auto o) -> Statement { return EchoEvents{onOff(k, o)}; }},
    {"changes", [](auto k, auto o) -> Statement { return EchoChanges{onOff(k, o)}; }},
    {"save", [](auto, auto o) -> Statement { return SaveForm{fileOperand(o)}; }},
    {"load", [](auto, auto o) -> Statement { return LoadForm{fileOperand(o)}; }},
    {"page", [](auto k, auto o) -> Statement { return pageCommand(k, o); }},
    {"mouse", [](auto k, auto o) -> Statement { return pointerAction(k, o); }},
    {"show", [](auto k, auto o) -> Statement { return ShowControl{singleWord(k, o)}; }},
}};

// The word statement a line starts with: its keyword in any letter case, not followed by
// a member or an assignment ("region.Text = 1" assigns to a control named region).
const WordStatement* wordStatementOf(std::string_view line) {
    const std::string_view text = trimmed(line);
    const std::string_view word = text.substr(0, scanIdentifier(text, 0));
    const std::string_view after = trimmed(text.substr(word.size()));
    if (!after.empty() && (after.front() == '.' || after.front() == '=')) return nullptr;
    for (const WordStatement& statement : kWordStatements) {
        if (equalsIgnoringAsciiCase(word, statement.keyword)) return &statement;
    }
    return nullptr;
}

Statement wordStatement(const WordStatement& statement, std::string_view line) {
    std::optional<std::string_view> operand = restOfLine(line, statement.keyword.size());
    if (!operand) throw SyntaxError("unknown statement");
    return statement.parse(statement.keyword, *operand);
}

Statement printStatement(Parser& parser) {
    parser.take();
    Print print{parser.expression()};
    parser.expectEnd();
    return print;
}

MemberReference statementTarget(Parser& parser) {
    std::string name = parser.take().spelling;
    if (parser.isSymbol(".")) return parser.memberReference(std::move(name), 0);
    MemberReference target;
    target.object = std::move(name);  // NAME alone: the default member
    return target;
}

Statement memberStatement(Parser& parser) {
    MemberReference target = statementTarget(parser);
    if (parser.isSymbol("=")) {
        parser.take();
        Assignment assignment{std::move(target), parser.expression()};
        parser.expectEnd();
        return assignment;
    }
    if (target.member.empty()) throw SyntaxError("unknown statement");
    MethodCall call{std::move(target), {}};
    if (!parser.atEnd()) call.arguments = parser.argumentList(0);
    if (call.target.hasParentheses) {
        if (!call.arguments.empty()) parser.fail("unexpected arguments");
        call.arguments = std::move(call.target.arguments);
    }
    parser.expectEnd();
    return call;
}

}  // namespace

std::optional<Statement> parseStatement(std::string_view line) {
    if (const WordStatement* statement = wordStatementOf(line)) {
        return wordStatement(*statement, line);
    }
    std::vector<Token> tokens = tokenize(line);
    if (tokens.front().kind == TokenKind::End) return std::nullopt;
    Parser parser(std::move(tokens));
    if (parser.isSymbol("?")) return printStatement(parser);
    if (parser.peek().kind != TokenKind::Identifier) throw SyntaxError("unknown statement");
    return memberStatement(parser);
}

}  // namespace quelta::script
