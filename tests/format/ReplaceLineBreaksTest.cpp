#include <gtest/gtest.h>

#include "TestSupport.h"
#include "format/ReplaceLineBreaks.h"

namespace quelta {
namespace {

TEST(ReplaceLineBreaksTest, TabsAndLineFeedsBecomeThePlaceholderOneForOne) {
    String text = u"a\tb\r\nc\n\t";
    ReplaceLineBreaks(text);
    EXPECT_EQ(testing::u8(text), testing::u8(u"a\u20ACb\r\u20ACc\u20AC\u20AC"));
}

}  // namespace
}  // namespace quelta
