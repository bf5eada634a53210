#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TestSupport.h"
#include "platform/runtime/Variant.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

// Integer conversions round half to even, as the automation rules demand.
TEST(VariantTest, IntegerConversionsRoundHalfToEven) {
    const std::pair<double, std::int32_t> cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},    {-0.5, 0},        {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {32767.4, 32767},
    };
    for (auto [input, expected] : cases) {
        EXPECT_EQ(Variant(input).toLong(), expected) << input;
        EXPECT_EQ(Variant(input).toInteger(), expected) << input;
    }
}

TEST(VariantTest, OutOfRangeIsOverflow) {
    EXPECT_EQ(errorNumberOf([] { Variant(32767.5).toInteger(); }),
              kErrOverflow);  // rounds to 32768
    EXPECT_EQ(errorNumberOf([] { Variant(-32768.6).toInteger(); }), kErrOverflow);
    EXPECT_EQ(Variant(-32768.5).toInteger(), -32768);
    EXPECT_EQ(errorNumberOf([] { Variant(2147483647.5).toLong(); }), kErrOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant(1e39).toSingle(); }), kErrOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant(std::nan("")).toLong(); }), kErrOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant(1e15).toCurrency(); }), kErrOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant(3e6).toDate(); }), kErrOverflow);
}

TEST(VariantTest, BooleanIsMinusOneOrZero) {
    EXPECT_EQ(Variant::boolean(true).toInteger(), -1);
    EXPECT_EQ(Variant(0.0).toBoolean(), kFalse);
    EXPECT_EQ(Variant(0.001).toBoolean(), kTrue);
    EXPECT_EQ(Variant(std::int16_t{-1}).type(), VariantType::Integer);
}

TEST(VariantTest, EmptyAndNull) {
    EXPECT_EQ(Variant().toLong(), 0);
    EXPECT_EQ(Variant().toString(), u"");
    EXPECT_EQ(Variant().toBoolean(), kFalse);
    EXPECT_EQ(errorNumberOf([] { Variant::null().toLong(); }), kErrInvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Variant::null().toString(); }), kErrInvalidUseOfNull);
}

TEST(VariantTest, CurrencyKeepsFourDecimals) {
    EXPECT_EQ(Variant(1.23456).toCurrency().scaled, 12346);
    EXPECT_EQ(Variant(-0.00004).toCurrency().scaled, 0);
    EXPECT_DOUBLE_EQ(Variant(Currency{-12345}).toDouble(), -1.2345);
}

TEST(VariantTest, ObjectsAndErrors) {
    EXPECT_EQ(errorNumberOf([] { Variant(1.0).toObject(); }), kErrTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { Variant::nothing().toString(); }), kErrObjectRequired);
    EXPECT_EQ(errorNumberOf([] { Variant::error(448).toLong(); }), kErrTypeMismatch);
    EXPECT_EQ(Variant::error(448).errorNumber(), 448);
    auto plain = std::make_shared<AutomationObject>();
    EXPECT_EQ(errorNumberOf([&] { Variant(ObjectRef(plain)).toString(); }), kErrNotSupported);
    EXPECT_EQ(Variant(ObjectRef(plain)).objectAs<AutomationObject>(), plain);
}

}  // namespace
}  // namespace quelta
