// The compiled form of format strings: how literals are pooled per section.
#include <gtest/gtest.h>

#include <string>

#include "platform/runtime/format/FormatParser.h"

namespace quelta {
namespace {

TEST(FormatParserTest, LiteralsShareOnePoolWithinTheirSection) {
    CompiledFormat f = compileFormat(u"\"ab\"\\c0\"de;f\";x");
    ASSERT_EQ(f.sectionCount, 2);
    ASSERT_EQ(f.sections[0].tokenCount, 3u);
    EXPECT_EQ(toUtf8(f.literalOf(f.tokens[0])), "abc");
    EXPECT_EQ(toUtf8(f.literalOf(f.tokens[2])), "de;f");
    EXPECT_EQ(toUtf8(f.literalOf(f.tokens[f.sections[1].firstToken])), "x");
}

}  // namespace
}  // namespace quelta
