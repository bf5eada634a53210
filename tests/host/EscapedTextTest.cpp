#include <gtest/gtest.h>

#include "host/EscapedText.h"

namespace quelta {
namespace {

// Readable text stays; what could act on the terminal or is not UTF-8 becomes an escape,
// byte for byte.
TEST(EscapedTextTest, EscapesControlsAndInvalidBytesOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Müller – 東京 😀", "Müller – 東京 😀"},
        {"a\x1b[2Jb\t\x7f", "a\\x1B[2Jb\\x09\\x7F"},
        {std::string_view("a\0b", 3), "a\\x00b"},
        {"c:\\forms", "c:\\\\forms"},
        {"\xc2\x9b"
         "31m",
         "\\u009B31m"},                       // a C1 control
        {"\xff\xc3(", "\\xFF\\xC3("},         // not UTF-8; a lead byte without its tail
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},  // an encoded surrogate
        {"\xe2\x82", "\\xE2\\x82"},           // cut at the end
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(escapedText(text), expected) << expected;
    EXPECT_EQ(quotedText("x\x1b"), "'x\\x1B'");
}

}  // namespace
}  // namespace quelta
