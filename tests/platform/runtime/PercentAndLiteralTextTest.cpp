// Numbers that end in a percent sign, and the literal forms of True and False.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta {
namespace {

using testing::errorNumberOf;
using testing::u8;

// Only the Format routine reads a trailing percent sign, as one hundredth; the conversions
// (and with them a numeric control's display refresh) refuse it.
TEST(PercentTextTest, OnlyTheFormatRoutineReadsHundredths) {
    struct Case {
        const char* region;
        const char* text;
        const char* formatted;  // through "0.000"
    };
    const Case cases[] = {{"en-US", " -12.5 % ", "-0.125"},
                          {"en-US", "$1,234%", "12.340"},
                          {"de-DE", "12,5%", "0,125"},
                          {"fr-FR", "12,5\u202F%", "0,125"}};
    for (const Case& c : cases) {
        ScopedRegion region(c.region);
        const String text = fromUtf8(c.text);
        EXPECT_EQ(u8(formatValue(Variant(text), u"0.000")), c.formatted) << c.region << c.text;
        EXPECT_EQ(errorNumberOf([&] { textToDouble(text); }), 13) << c.region << " " << c.text;
        EXPECT_FALSE(isNumericText(text)) << c.region << " " << c.text;
    }
    ScopedRegion region("en-US");
    for (const char* text : {"%", "12%%", "%12", "12% 5"}) {
        EXPECT_EQ(u8(formatValue(Variant(fromUtf8(text)), u"0.00")), text) << "not a number";
    }
    EXPECT_EQ(u8(formatValue(Variant(String(u"1234567890%")), u"Percent")), "1234567890.00%");
}

TEST(LiteralBooleanTextTest, HashFormsAsWrittenInEveryRegion) {
    for (const char* name : {"en-US", "de-DE", "tr-TR"}) {
        ScopedRegion region(name);
        EXPECT_TRUE(textToBoolean(u"#TRUE#")) << name;
        EXPECT_FALSE(textToBoolean(u"#FALSE#")) << name;
        for (const char16_t* text : {u"#true#", u"#True#", u"#TRUE", u"TRUE#", u"# TRUE #"}) {
            EXPECT_EQ(errorNumberOf([&] { textToBoolean(text); }), 13) << name << " " << u8(text);
        }
    }
}

}  // namespace
}  // namespace quelta
