#include <gtest/gtest.h>

#include "form/EscapedText.h"

namespace quelta {
namespace {

// Readable text stays; what could act on the terminal or is not UTF-8 becomes an escape,
// byte for byte.
TEST(EscapedTextTest, EscapesControlsAndInvalidBytesOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Müller – 東京 😀", "Müller – 東京 😀"},
        {std::string_view("a\x1b[2J\t\x7f\0\\", 9), "a\\x1B[2J\\x09\\x7F\\x00\\\\"},
        {"\xc2\x9b"
         "31m",
         "\\u009B31m"},                                  // a C1 control
        {"\xff\xc3(\xe2\x82", "\\xFF\\xC3(\\xE2\\x82"},  // not UTF-8; cut sequences
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},             // an encoded surrogate
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(escapedText(text), expected) << expected;
    EXPECT_EQ(quotedText("x\x1b"), "'x\\x1B'");
}

}  // namespace
}  // namespace quelta
