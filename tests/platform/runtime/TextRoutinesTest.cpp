#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/runtime/TextRoutines.h"

namespace quelta {
namespace {

TEST(TextRoutinesTest, UpperCaseIsFullUnicode) {
    EXPECT_EQ(upperCase(u"straße"), u"STRASSE");
    EXPECT_EQ(upperCase(u"été ǆ"), u"ÉTÉ Ǆ");
    EXPECT_EQ(upperCase(u""), u"");
    EXPECT_EQ(upperCase(String(1, char16_t(0xD800))), String(1, char16_t(0xD800)));
}

TEST(TextRoutinesTest, TrimRemovesSpacesOnly) {
    EXPECT_EQ(trimSpaces(u"  a b  "), u"a b");
    EXPECT_EQ(trimSpaces(u"\ta\t"), u"\ta\t");
    EXPECT_EQ(trimSpaces(u"   "), u"");
}

TEST(TextRoutinesTest, DigitTestTakesOneCharacter) {
    for (const char16_t* digit : {u"0", u"5", u"9"})
        EXPECT_TRUE(isDigitCharacter(digit));
    for (const char16_t* other : {u"", u"a", u"12", u"٣", u".", u"-", u"²"}) {
        EXPECT_FALSE(isDigitCharacter(other));
    }
}

TEST(TextRoutinesTest, AnsiCodesRoundTripThroughTheCodePage) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(Asc(Chr(code)), code) << code;
    }
    EXPECT_EQ(Chr(128), u"€");
    EXPECT_EQ(Chr(150), u"–");
    EXPECT_EQ(Asc(u"€uro"), 128);
    EXPECT_EQ(Asc(u"Ω"), 63);  // outside the code page
}

TEST(TextRoutinesTest, OutOfRangeIsError5) {
    for (int code : {-1, 256, 1000, INT32_MIN}) {
        EXPECT_EQ(testing::errorNumberOf([&] { Chr(code); }), 5) << code;
    }
    EXPECT_THROW(Asc(u""), AutomationError);
}

}  // namespace
}  // namespace quelta
