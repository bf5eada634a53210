#include <gtest/gtest.h>

#include <limits>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/editbox/Label.h"

namespace quelta {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(LabelTest, MoveSetsAllFourOrNone) {
    Label label;
    label.move(0, 0, 1245, 525);
    EXPECT_EQ(label.width(), 1245);
    EXPECT_EQ(label.height(), 525);
    struct Case {
        const char* name;
        float left, top, width, height;
    };
    for (Case c : {Case{"negative width", 1, 2, -1, 4},
                   {"infinite left", kInfinity, 2, 3, 4},
                   {"NaN top", 1, kNaN, 3, 4},
                   {"NaN width", 1, 2, kNaN, 4}}) {
        EXPECT_EQ(testing::errorNumberOf([&] { label.move(c.left, c.top, c.width, c.height); }),
                  kErrInvalidPropertyValue)
            << c.name;
        EXPECT_EQ(label.left(), 0) << c.name;
        EXPECT_EQ(label.width(), 1245) << c.name;
        EXPECT_EQ(label.height(), 525) << c.name;
    }
    label.move(-45, -45, 0, 0);  // negative positions are fine, empty extents too
    EXPECT_EQ(label.top(), -45);
    EXPECT_THROW(label.setWidth(-1), AutomationError);
    EXPECT_THROW(label.setLeft(kNaN), AutomationError);
}

TEST(LabelTest, EnumeratedPropertiesAcceptOnlyTheirValues) {
    Label label;
    label.setBorderStyle(Label::kBorderFixedSingle);
    label.setAppearance(Label::kAppearanceFlat);
    for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{32767}}) {
        EXPECT_THROW(label.setBorderStyle(bad), AutomationError) << bad;
        EXPECT_THROW(label.setAppearance(bad), AutomationError) << bad;
    }
    EXPECT_EQ(label.borderStyle(), Label::kBorderFixedSingle);
    EXPECT_EQ(label.appearance(), Label::kAppearanceFlat);
}

}  // namespace
}  // namespace quelta
