#include <gtest/gtest.h>

#include "TestSupport.h"
#include "format/NumericText.h"

namespace quelta {
namespace {

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

}  // namespace
}  // namespace quelta
