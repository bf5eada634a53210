#include <gtest/gtest.h>

#include <limits>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/container/ScaleConversion.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

TEST(ScaleConversionTest, ConvertsThroughTwips) {
    const ScaleUnits units{15, 2};
    struct Case {
        float value;
        std::int16_t from, to;
        ScaleAxis axis;
        float expected;
    };
    const Case cases[] = {
        {1440, kScaleTwips, kScaleInches, ScaleAxis::X, 1},
        {1, kScaleInches, kScalePoints, ScaleAxis::Y, 72},
        {150, kScaleTwips, kScalePixels, ScaleAxis::X, 10},
        {240, kScaleTwips, kScaleCharacters, ScaleAxis::X, 2},
        {240, kScaleTwips, kScaleCharacters, ScaleAxis::Y, 1},
        {567, kScaleTwips, kScaleCentimeters, ScaleAxis::X, 567 / (1440 / 2.54f)},
        {100, kScaleTwips, kScaleContainerPosition, ScaleAxis::X, 50},
        {100, kScaleTwips, kScaleContainerSize, ScaleAxis::Y, 50},
        {2540, kScaleHimetric, kScaleTwips, ScaleAxis::X, 1440},
        {10, kScaleMillimeters, kScaleUser, ScaleAxis::X, 14400 / 25.4f},
        {-30, kScalePixels, kScaleTwips, ScaleAxis::Y, -450},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(convertScale(c.value, c.from, c.to, c.axis, units), c.expected)
            << c.value << " from " << c.from << " to " << c.to;
    }
}

TEST(ScaleConversionTest, BadModesAndUnitsAreErrors) {
    const ScaleUnits units;
    for (std::int16_t mode : {std::int16_t{-1}, std::int16_t{11}, std::int16_t{32767}}) {
        EXPECT_EQ(errorNumberOf([&] { convertScale(1, mode, kScaleTwips, ScaleAxis::X, units); }),
                  kErrInvalidProcedureCall)
            << mode;
        EXPECT_EQ(errorNumberOf([&] { convertScale(1, kScaleTwips, mode, ScaleAxis::X, units); }),
                  kErrInvalidProcedureCall)
            << mode;
    }
    const ScaleUnits zeroContainer{15, 0};
    EXPECT_EQ(errorNumberOf([&] {
                  convertScale(1, kScaleTwips, kScaleContainerPosition, ScaleAxis::X,
                               zeroContainer);
              }),
              kErrInvalidPropertyValue);
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(
        errorNumberOf([&] { convertScale(huge, kScaleInches, kScaleTwips, ScaleAxis::X, units); }),
        kErrOverflow);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_NE(
        errorNumberOf([&] { convertScale(nan, kScaleTwips, kScaleTwips, ScaleAxis::X, units); }),
        0);
}

}  // namespace
}  // namespace quelta
