#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/runtime/Negation.h"
#include "platform/runtime/PrintedText.h"

namespace quelta {
namespace {

// The type of -x is the type of x, except where its opposite does not fit there.
TEST(NegationTest, KeepsTheTypeOrWidens) {
    const std::pair<Variant, Variant> cases[] = {
        {Variant::null(), Variant::null()},
        {Variant(), Variant(std::int16_t{0})},
        {Variant::boolean(true), Variant(std::int16_t{1})},
        {Variant(std::int16_t{5}), Variant(std::int16_t{-5})},
        {Variant(std::int16_t{-32768}), Variant(std::int32_t{32768})},
        {Variant(std::int32_t{-2147483647 - 1}), Variant(2147483648.0)},
        {Variant(1.5f), Variant(-1.5f)},
        {Variant(Currency{15000}), Variant(Currency{-15000})},
        {Variant(Date{36526.5}), Variant(Date{-36526.5})},
        {Variant(u"3"), Variant(-3.0)},
    };
    for (const auto& [operand, expected] : cases) {
        EXPECT_EQ(negated(operand), expected) << toUtf8(printedText(operand));
    }
    EXPECT_EQ(testing::errorNumberOf([] { negated(Variant(u"x")); }), kErrTypeMismatch);
}

}  // namespace
}  // namespace quelta
