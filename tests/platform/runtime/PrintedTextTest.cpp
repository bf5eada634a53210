#include <gtest/gtest.h>

#include "platform/runtime/PrintedText.h"

namespace quelta {
namespace {

TEST(PrintedTextTest, NullPrintsItsName) {
    EXPECT_EQ(printedText(Variant::null()), u"Null");
    EXPECT_EQ(printedText(Variant(u"Null text")), u"Null text");
}

}  // namespace
}  // namespace quelta
