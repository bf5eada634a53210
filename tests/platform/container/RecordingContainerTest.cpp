#include <gtest/gtest.h>

#include <limits>

#include "TestSupport.h"
#include "platform/container/RecordingContainer.h"
#include "platform/container/ScaleConversion.h"
#include "platform/editbox/EditBoxTestSupport.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

TEST(RecordingContainerTest, MissingExtenderPropertyIsError438) {
    RecordingContainer container;
    EXPECT_EQ(errorNumberOf([&] { container.extenderProperty(u"NoSuchThing"); }), kErrNotSupported);
    EXPECT_TRUE(container.removeExtenderProperty(u"tooltiptext"));
    EXPECT_EQ(errorNumberOf([&] { container.extenderProperty(u"ToolTipText"); }), kErrNotSupported);
    EXPECT_EQ(errorNumberOf([&] { container.setExtenderProperty(u"ToolTipText", Variant(u"x")); }),
              kErrNotSupported)
        << "a write must not create a missing extender property";

    container.setExtenderProperty(u"DataChanged", Variant::boolean(true));
    EXPECT_EQ(container.extenderProperty(u"datachanged"), Variant::boolean(true));
}

TEST(RecordingContainerTest, ChangingTheSizeRaisesResizeOnce) {
    RecordingContainer container;
    std::vector<std::pair<float, float>> seen;
    container.setResizeHandler([&] { seen.emplace_back(container.width(), container.height()); });
    container.setSize(container.width(), container.height());
    EXPECT_TRUE(seen.empty()) << "the same size is no resize";
    container.setSize(2000, 300);
    EXPECT_EQ(seen, (std::vector<std::pair<float, float>>{{2000, 300}}));
    for (auto [w, h] : {std::pair{-1.0f, 300.0f},
                        {2000.0f, -0.01f},
                        {std::numeric_limits<float>::infinity(), 1.0f}}) {
        EXPECT_EQ(errorNumberOf([&, w = w, h = h] { container.setSize(w, h); }),
                  kErrInvalidPropertyValue);
    }
    EXPECT_EQ(container.width(), 2000);
    EXPECT_EQ(container.resizeCount(), 1);
}

// A control that grows itself inside its Resize gets a nested Resize at the new size, and
// the recursion stops once the size holds.
TEST(RecordingContainerTest, ResizeInsideResizeSettles) {
    RecordingContainer container;
    int calls = 0;
    container.setResizeHandler([&] {
        ++calls;
        if (container.width() < 165) container.setSize(165, container.height());
    });
    container.setSize(10, 285);
    EXPECT_EQ(container.width(), 165);
    EXPECT_EQ(calls, 2);
}

TEST(RecordingContainerTest, MeasuresInTheDrawingFont) {
    testing::FixedMeasurerScope measurer;
    RecordingContainer container;
    EXPECT_TRUE(container.drawingFont()->sameAttributes(*container.ambientFont()));
    EXPECT_EQ(container.textWidth(u"0000000000"), 1000);
    auto bold = std::make_shared<Font>();
    bold->setBold(true);
    container.setDrawingFont(bold);
    EXPECT_EQ(container.textWidth(u"WW"), 400);
    container.setDrawingFont(nullptr);
    container.setAmbientFont(nullptr);
    ASSERT_NE(container.ambientFont(), nullptr) << "a host cannot take the ambient font away";
    EXPECT_EQ(container.textWidth(u"w"), 100);
}

// Conversions themselves are the scale tests'; the mouse relay tests use a set scale.
TEST(RecordingContainerTest, ScalesToContainerUnits) {
    RecordingContainer container;
    container.setContainerScale(15, 20);
    EXPECT_FLOAT_EQ(container.scaleY(300, kScaleTwips, kScaleContainerPosition), 15);
    EXPECT_EQ(errorNumberOf([&] { container.setContainerScale(0, 1); }), kErrInvalidPropertyValue);
    EXPECT_FLOAT_EQ(container.scaleX(300, kScaleTwips, kScaleContainerPosition), 20);
}

}  // namespace
}  // namespace quelta
