#include <gtest/gtest.h>

#include "host/ScriptParser.h"

namespace quelta::script {
namespace {

// A compact rendering of a parsed line, so that cases read as data.
std::string describe(const Expression& expression);

std::string describeArguments(const std::vector<ExpressionPtr>& arguments) {
    std::string text;
    for (const ExpressionPtr& argument : arguments) {
        text += (text.empty() ? "" : ",") + describe(*argument);
    }
    return text;
}

std::string describe(const Expression& expression) {
    return std::visit(
        [](const auto& node) -> std::string {
            using T = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<T, Literal>) {
                return "lit:" + std::to_string(static_cast<int>(node.value.type())) + ":" +
                       (node.value.isNull() || node.value.type() == VariantType::Object
                            ? ""
                            : toUtf8(node.value.toString()));
            } else if constexpr (std::is_same_v<T, Negation>) {
                return "neg(" + describe(*node.operand) + ")";
            } else if constexpr (std::is_same_v<T, NameReference>) {
                return "name:" + node.name;
            } else if constexpr (std::is_same_v<T, FunctionCall>) {
                return "call:" + node.function + "(" + describeArguments(node.arguments) + ")";
            } else {
                return "member:" + node.object + "." + node.member +
                       (node.hasParentheses ? "(" + describeArguments(node.arguments) + ")" : "");
            }
        },
        expression.node);
}

std::string describe(const std::optional<Statement>& statement) {
    if (!statement) return "none";
    std::string text = statement->keyword;
    if (!statement->word.empty()) text += " word=" + statement->word;
    if (!statement->secondWord.empty()) text += " second=" + statement->secondWord;
    if (!statement->target.object.empty()) {
        text += " target=" + statement->target.object + "." + statement->target.member;
        if (statement->target.hasParentheses) {
            text += "(" + describeArguments(statement->target.arguments) + ")";
        }
    }
    if (!statement->text.empty()) text += " text=" + toUtf8(statement->text);
    if (!statement->arguments.empty()) text += " args=" + describeArguments(statement->arguments);
    return text;
}

TEST(ScriptParserTest, StatementShapes) {
    struct Case {
        const char* line;
        const char* expected;
    };
    // Type codes in literals: 1 Null, 2 Integer, 3 Long, 5 Double, 8 String.
    const Case cases[] = {
        {"", "none"},
        {"   ' only a comment", "none"},
        {"region de-DE", "region word=de-DE"},
        {"REGION fr-FR ' comment", "region word=fr-FR"},
        {"new txtAmount", "new word=txtAmount"},
        {"page txtA General", "page word=txtA second=General"},
        {"keys \"it's {TAB}\"", "keys text=it's {TAB}"},
        {"save \"my form.json\"", "save text=my form.json"},
        {"load forms/a.json", "load text=forms/a.json"},
        {"? 12", "? args=lit:2:12"},
        {"? 40000", "? args=lit:3:40000"},
        {"? 3000000000", "? args=lit:5:3000000000"},
        {"? -3.5", "? args=neg(lit:5:3.5)"},
        {"? &H8000000F", "? args=lit:3:-2147483633"},
        {"? &HFFFF", "? args=lit:2:-1"},
        {"? \"say \"\"hi\"\"\"", "? args=lit:8:say \"hi\""},
        {"? Null", "? args=lit:1:"},
        {"? txtA.RowLength(2)", "? args=member:txtA.RowLength(lit:2:2)"},
        {"? ((1))", "? args=lit:2:1"},
        {"page.cboFormat = \"Fixed\"", "let target=page.cboFormat args=lit:8:Fixed"},
        {"txtA.Move 1, 2", "call target=txtA.Move args=lit:2:1,lit:2:2"},
        {"txtA.Move(1, 2)", "call target=txtA.Move(lit:2:1,lit:2:2)"},
        {"region.Text = 1", "let target=region.Text args=lit:2:1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(describe(parseStatement(c.line)), c.expected);
    }
}

TEST(ScriptParserTest, DateLiteralsAndClock) {
    auto date = parseStatement("? #2000-12-31 13:45:00#");
    ASSERT_TRUE(date);
    auto& literal = std::get<Literal>(date->arguments.front()->node);
    EXPECT_DOUBLE_EQ(literal.value.toDate().serial, 36891 + (13 * 60 + 45) / 1440.0);
    EXPECT_DOUBLE_EQ(parseStatement("clock 2001-06-15")->serial, 37057);
    EXPECT_DOUBLE_EQ(parseStatement("? #13:45#").value().arguments.size(), 1);
}

// Each of these lines must be refused with a syntax error, never crash or hang.
TEST(ScriptParserTest, MalformedLinesAreSyntaxErrors) {
    const char* lines[] = {
        "?",          "? (",         "? 1 2",          "? \"open",   "? #2000-13-01#",
        "? #99-1-1#", "? #2000-1-1", "? 12abc",        "? &HZZ",     "? &H1FFFFFFFF",
        "? 1e999",    "txtA.",       "txtA.Text =",    "txtA",       "= 5",
        "region",     "clock",       "clock tomorrow", "keys {TAB}", "new a b",
        "? f(1,)",    "? @",         "txtA.Move(1) 2", "? #25:00#",  "regional x",
    };
    for (const char* line : lines) {
        EXPECT_THROW(parseStatement(line), SyntaxError) << line;
    }
}

TEST(ScriptParserTest, DeepNestingIsRefusedNotOverflowed) {
    std::string deep = "? " + std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_THROW(parseStatement(deep), SyntaxError);
    std::string negations = "? " + std::string(100000, '-') + "1";
    EXPECT_THROW(parseStatement(negations), SyntaxError);
}

}  // namespace
}  // namespace quelta::script
