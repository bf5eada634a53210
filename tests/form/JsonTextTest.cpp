// The spelling of numbers and strings in a saved form: the one the JSON library writes, so
// that files saved before read and compare the same.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "form/JsonText.h"

namespace quelta::testing {
namespace {

TEST(JsonTextTest, NumbersTakeTheShortestDigitsInTheLibrarysLayout) {
    const struct {
        double number;
        const char* text;
    } cases[] = {
        {1234.5, "1234.5"},
        {525, "525.0"},
        {-0.0, "-0.0"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1e14, "100000000000000.0"},
        {123456789012345.6, "123456789012345.6"},
        {1e15, "1e+15"},
        {1.5e300, "1.5e+300"},
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {0.00001, "1e-05"},
        {-2.5e-7, "-2.5e-07"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& c : cases) {
        std::string text;
        appendJsonNumber(text, c.number);
        EXPECT_EQ(text, c.text) << c.number;
    }
    std::string whole;
    appendJsonNumber(whole, std::int32_t{-2147483647 - 1});
    EXPECT_EQ(whole, "-2147483648");
}

TEST(JsonTextTest, StringsEscapeOnlyWhatJsonRequires) {
    const struct {
        StringView text;
        const char* json;
    } cases[] = {
        {u"txtAmount", R"("txtAmount")"},
        {u"a \"quoted\" \\ path/", R"("a \"quoted\" \\ path/")"},
        {u"\b\f\n\r\t\x01\x1b\x7f", "\"\\b\\f\\n\\r\\t\\u0001\\u001b\x7f\""},
        {u"Grüße €",
         "\"Gr\xc3\xbc\xc3\x9f"
         "e \xe2\x82\xac\""},
        {u"\U0001F600 \xD800", "\"\xf0\x9f\x98\x80 \xef\xbf\xbd\""},  // unpaired: U+FFFD
    };
    for (const auto& c : cases) {
        std::string json;
        appendJsonString(json, c.text);
        EXPECT_EQ(json, c.json);
    }
}

}  // namespace
}  // namespace quelta::testing
