// The compiled form of format strings: how sections are classified and measured.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "../TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/FormatParser.h"

namespace quelta {
namespace {

CompiledFormat compiled(const char* format) {
    return compileFormat(fromUtf8(format));
}

TEST(FormatParserTest, SectionKinds) {
    struct Case {
        const char* format;
        SectionKind first;
        SectionKind kind;
    };
    const Case cases[] = {
        {"0.00", SectionKind::Number, SectionKind::Number},
        {"%", SectionKind::Number, SectionKind::Number},
        {"0 \"days\"", SectionKind::Number, SectionKind::Number},
        {"0 USD", SectionKind::Number, SectionKind::Number},  // letters beside digits are text
        {"dd.mm.yyyy", SectionKind::Date, SectionKind::Date},
        {"h:nn AM/PM", SectionKind::Date, SectionKind::Date},
        {"AMPM", SectionKind::Date, SectionKind::Date},
        {"@@@", SectionKind::Text, SectionKind::Text},
        {"Name: @", SectionKind::Text, SectionKind::Text},
        {"\\Y\\e\\s", SectionKind::Literal, SectionKind::Literal},
        {"\"0.00\"", SectionKind::Literal, SectionKind::Literal},
        {"tttt", SectionKind::Literal, SectionKind::Literal},
        {"", SectionKind::Empty, SectionKind::Literal},
        {";0", SectionKind::Empty, SectionKind::Number},
        {"\\Z;dd", SectionKind::Literal, SectionKind::Date},
    };
    for (const Case& c : cases) {
        CompiledFormat format = compiled(c.format);
        EXPECT_EQ(format.sections[0].kind, c.first) << c.format;
        EXPECT_EQ(format.kind, c.kind) << c.format;
    }
}

TEST(FormatParserTest, NumberLayouts) {
    struct Case {
        const char* format;
        int integers, minIntegers, fractions, minFractions, scaling, percents;
        bool grouping, exponent;
    };
    const Case cases[] = {
        {"0", 1, 1, 0, 0, 0, 0, false, false},
        {"#,##0.00", 4, 1, 2, 2, 0, 0, true, false},
        {"#,##0,,", 4, 1, 0, 0, 2, 0, true, false},
        {"0,.0", 1, 1, 1, 1, 1, 0, false, false},
        {"0.0,,", 1, 1, 1, 1, 2, 0, false, false},
        {"0.0#%", 1, 1, 2, 1, 0, 1, false, false},
        {"#.##", 1, 0, 2, 0, 0, 0, false, false},
        {".00", 1, 0, 2, 2, 0, 0, false, false},  // an implicit '#' keeps the integer digits
        {"00.0E+00", 2, 2, 1, 1, 0, 0, false, true},
        {"000-00-0000", 9, 9, 0, 0, 0, 0, false, false},
        {"#0#", 3, 2, 0, 0, 0, 0, false, false},
        {",0", 1, 1, 0, 0, 0, 0, false, false},
        {"0, 0", 2, 2, 0, 0, 0, 0, true, false},
    };
    for (const Case& c : cases) {
        const CompiledFormat format = compiled(c.format);
        const NumberLayout& layout = format.sections[0].number;
        EXPECT_EQ(std::tuple(layout.integerPlaceholders, layout.minIntegerDigits,
                             layout.fractionPlaceholders, layout.minFractionDigits,
                             layout.thousandsScaling, layout.percentSigns, layout.grouping,
                             layout.hasExponent),
                  std::tuple(c.integers, c.minIntegers, c.fractions, c.minFractions, c.scaling,
                             c.percents, c.grouping, c.exponent))
            << c.format;
    }
}

std::vector<TokenKind> codesOf(const char* format) {
    CompiledFormat f = compiled(format);
    std::vector<TokenKind> codes;
    for (const FormatToken& token : f.tokens) {
        if (token.kind != TokenKind::Literal) codes.push_back(token.kind);
    }
    return codes;
}

TEST(FormatParserTest, MinutesFollowHoursOrPrecedeSeconds) {
    using K = TokenKind;
    struct Case {
        const char* format;
        std::vector<TokenKind> codes;
    };
    const Case cases[] = {
        {"h:mm", {K::Hour, K::TimeSeparator, K::Minute2}},
        {"hh \"h\" m", {K::Hour2, K::Minute}},
        {"mm:ss", {K::Minute2, K::TimeSeparator, K::Second2}},
        {"m s", {K::Minute, K::Second}},
        {"mm/dd", {K::Month2, K::DateSeparator, K::Day2}},
        {"hh dd mm", {K::Hour2, K::Day2, K::Month2}},
        {"mmm:ss", {K::MonthAbbreviation, K::TimeSeparator, K::Second2}},
        {"yyyyy", {K::Year4, K::DayOfYear}},
        {"a/p A/P am/pm AM/PM ampm",
         {K::APLower, K::APUpper, K::AmPmLower, K::AmPmUpper, K::AmPmRegional}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codesOf(c.format), c.codes) << c.format;
    EXPECT_TRUE(compiled("h AM/PM").sections[0].twelveHourClock);
    EXPECT_FALSE(compiled("hh:nn").sections[0].twelveHourClock);
}

TEST(FormatParserTest, LiteralsShareOnePoolWithinTheirSection) {
    CompiledFormat f = compiled("\"ab\"\\c0\"de;f\";x");
    ASSERT_EQ(f.sectionCount, 2);
    ASSERT_EQ(f.sections[0].tokenCount, 3u);
    EXPECT_EQ(toUtf8(f.literalOf(f.tokens[0])), "abc");
    EXPECT_EQ(toUtf8(f.literalOf(f.tokens[2])), "de;f");
    EXPECT_EQ(toUtf8(f.literalOf(f.tokens[f.sections[1].firstToken])), "x");
}

TEST(FormatParserTest, MustFail) {
    const std::string tooLong(kMaxFormatLength + 1, '0');
    const std::string manySections(5000, ';');
    for (const std::string& format : {std::string("0;0;0;0;0"), manySections, tooLong}) {
        EXPECT_EQ(testing::errorNumberOf([&] { compileFormat(fromUtf8(format)); }),
                  kErrInvalidProcedureCall)
            << format.substr(0, 20);
    }
}

}  // namespace
}  // namespace quelta
