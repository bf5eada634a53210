#include <gtest/gtest.h>

#include "TestSupport.h"
#include "script/ScriptParser.h"

namespace quelta::script {
namespace {

template <typename Kind>
Kind parsedAs(std::string_view line) {
    std::optional<Statement> statement = parseStatement(line);
    if (!statement || !std::holds_alternative<Kind>(*statement)) {
        ADD_FAILURE() << "not the expected statement: " << line;
        return {};
    }
    return std::move(std::get<Kind>(*statement));
}

// A literal keeps the type the platform's own literal would have, which printing hides.
TEST(ScriptParserTest, LiteralsTakeThePlatformsTypes) {
    const std::pair<const char*, Variant> cases[] = {
        {"? 12", Variant(std::int16_t{12})},
        {"? 40000", Variant(std::int32_t{40000})},
        {"? 3000000000", Variant(3000000000.0)},
        {"? .5", Variant(0.5)},
        {"? &H8000000F", Variant(std::int32_t{-2147483633})},
        {"? &HFFFF", Variant(std::int16_t{-1})},
        {"? &o17", Variant(std::int16_t{15})},
        {"? \"say \"\"hi\"\"\"", Variant(u"say \"hi\"")},
        {"? #2000-12-31 13:45:00#", Variant(Date{36891 + (13 * 60 + 45) / 1440.0})},
        {"? #13:45#", Variant(Date{(13 * 60 + 45) / 1440.0})},
        {"? nULL", Variant::null()},
        // Closer to zero than any double: the nearest one.
        {"? 1e-999", Variant(0.0)},
        {"? 1e-99999999999999999999999", Variant(0.0)},
    };
    for (const auto& [line, expected] : cases) {
        Print print = parsedAs<Print>(line);
        ASSERT_TRUE(print.value) << line;
        const Literal* literal = std::get_if<Literal>(&print.value->node);
        ASSERT_TRUE(literal) << line;
        EXPECT_EQ(literal->value, expected) << line;
    }
}

// Word statements read the rest of the line, not expressions.
TEST(ScriptParserTest, WordStatementsReadTheirOperands) {
    EXPECT_FALSE(parseStatement("   ' only a comment"));
    EXPECT_EQ(parsedAs<SelectRegion>("REGION fr-FR ' comment").region, "fr-FR");
    EXPECT_EQ(parsedAs<PageCommand>("page txtA General").kind, "General");
    EXPECT_EQ(parsedAs<TypeKeys>("keys \"it's {TAB}\"").keys, u"it's {TAB}");
    EXPECT_EQ(parsedAs<SaveForm>("save \"my form.json\"").file, u"my form.json");
    EXPECT_EQ(parsedAs<LoadForm>("load forms/a.json").file, u"forms/a.json");
    EXPECT_TRUE(parsedAs<EchoEvents>("events ON").on);
    EXPECT_DOUBLE_EQ(parsedAs<PinClock>("clock 2001-06-15").serial, 37057);
    // A keyword followed by a member or = is a control of that name.
    EXPECT_EQ(parsedAs<Assignment>("region.Text = 1").target.object, "region");
    EXPECT_EQ(parsedAs<MethodCall>("txtA.Move(1, 2)").arguments.size(), 2u);
}

// Each of these lines must be refused with a syntax error, never crash or hang.
TEST(ScriptParserTest, MalformedLinesAreSyntaxErrors) {
    const char* lines[] = {
        "?",
        "? (",
        "? 1 2",
        "? \"open",
        "? #2000-13-01#",
        "? #99-1-1#",
        "? #2000-1-1",
        "? 12abc",
        "? &HZZ",
        "? &H1FFFFFFFF",
        "txtA.",
        "txtA.Text =",
        "txtA",
        "= 5",
        "region",
        "clock",
        "keys {TAB}",
        "new a b",
        "? f(1,)",
        "? @",
        "txtA.Move(1) 2",
        "? #25:00#",
        "regional x",
        "events maybe",
        "platform x",
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
