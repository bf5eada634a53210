// The small text routines the value accessors are built from: digit runs, numeric text,
// line-break placeholders and the classification of date and time formats.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "format/DateTimeFormatKind.h"
#include "format/NumberGroup.h"
#include "format/NumericText.h"
#include "format/ReplaceLineBreaks.h"

namespace quelta {
namespace {

TEST(NumberGroupTest, KthRunOfAnsiDigits) {
    struct Case {
        const char16_t* text;
        std::int16_t k;
        std::int32_t expected;
    };
    const Case cases[] = {
        {u"31.12.2000", 1, 31},
        {u"31.12.2000", 3, 2000},
        {u"31.12.2000", 4, 0},
        {u"a1b22c333", 3, 333},
        {u"12", 0, 0},
        {u"", 1, 0},
        {u"\uFF11\uFF12 7", 1, 7},  // full-width digits are not digits here
        {u"000000000000000000042", 1, 42},
        {u"99999999999 5", 2, 5},  // only the k-th run is converted
        {u"x2147483647", 1, 2147483647},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetNumberGroup(c.text, c.k), c.expected) << testing::u8(c.text) << " k=" << c.k;
    }
}

TEST(NumericTextTest, KeepsNumericCharactersAndExponents) {
    struct Case {
        const char16_t* text;
        const char16_t* numericChars;
        const char16_t* expected;
    };
    const char16_t* point = u"1234567890.%+-()";
    const Case cases[] = {
        {u"12E3", point, u"12E3"},
        {u"12e3", point, u"123"},
        {u"1E+5", point, u"1E+5"},
        {u"1EE-5", point, u"1E-5"},
        {u"1E\uFF15", point, u"1"},  // a full-width digit does not make an exponent
        {u"$ 1,234.50-", point, u"1234.50-"},
        {u"1.234,5", u"1234567890,%+-()", u"1234,5"},
        {u"abc", point, u"0"},
        {u"", point, u"0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(testing::u8(numericTextOf(c.text, c.numericChars)), testing::u8(c.expected))
            << testing::u8(c.text);
    }
}

TEST(ReplaceLineBreaksTest, TabsAndLineFeedsBecomeThePlaceholderOneForOne) {
    String text = u"a\tb\r\nc\n\t";
    ReplaceLineBreaks(text);
    EXPECT_EQ(testing::u8(text), testing::u8(u"a\u20ACb\r\u20ACc\u20AC\u20AC"));
}

TEST(DateTimeFormatKindTest, ClassifiesFormats) {
    struct Case {
        const char16_t* format;
        bool dateLike;
        bool timeLike;
    };
    const Case cases[] = {
        {u"", true, false},
        {u"General Date", true, false},
        {u"Vesk Date", true, false},
        {u"dd.mm.yy", true, false},
        {u"hh:nn", false, true},
        {u"h:nn AM/PM", false, true},
        {u"d.m.yy h", true, false},           // an hour without minutes is no time
        {u"dd.mm.yyyy hh:nn", false, false},  // both
        {u"ww", false, false},
        {u"General Date \"Woche\"", false, false},  // literals count like codes
        {u"\"Time\" dd.mm.yy", false, true},        // "TIME" wins over the date codes
        {u"hh:nn \"Date\"", true, false},
        {u"y", false, false},
        {u"dd.mm.yyy", false, false},
        {u"yy dd.mm.y", false, false},  // the first odd run counts wherever it is
        {u"mm/yyyy", false, false},
    };
    for (const Case& c : cases) {
        DateTimeFormatKind kind = classifyDateTimeFormat(c.format);
        EXPECT_EQ(kind.DateLike, c.dateLike) << testing::u8(c.format);
        EXPECT_EQ(kind.TimeLike, c.timeLike) << testing::u8(c.format);
    }
}

}  // namespace
}  // namespace quelta
