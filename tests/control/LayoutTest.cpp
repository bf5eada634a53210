// How small the control may become, where the old-platform frame goes and how AutoSize fits
// the width. Stored forms may hold any 16-bit enumeration value, so the controls here are
// loaded from a bag.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "control/Quelta.h"
#include "platform/container/PropertyBag.h"
#include "platform/container/RecordingContainer.h"
#include "platform/fonts/TextMeasurer.h"
#include "platform/window/WindowSystem.h"

namespace quelta {
namespace {

// "W" 300, "0" 200, anything else 150 twips.
class CharacterMeasurer : public TextMeasurer {
    double textWidth(const Font&, StringView text) const override {
        double width = 0;
        for (char16_t c : text)
            width += c == u'W' ? 300 : c == u'0' ? 200 : 150;
        return width;
    }
    double lineHeight(const Font&) const override { return 200; }
};

struct Loaded {
    RecordingContainer container;
    Quelta control{container};
    Loaded(bool userMode, std::initializer_list<std::pair<StringView, Variant>> stored) {
        PropertyBag bag;
        for (const auto& [key, value] : stored)
            bag.write(key, value);
        container.setUserMode(userMode);
        startControl(control, &bag);
    }
};

TEST(LayoutTest, TooSmallControlSpringsBackToTemplatePlusBorder) {
    // Twips per pixel, BorderStyle (any value but 0 is a border), minimum width and height.
    const std::tuple<double, std::int32_t, float, float> cases[] = {
        {15, 1, 165, 285}, {12, 1, 147, 267}, {15, 0, 75, 195}, {15, -3, 165, 285}};
    for (const auto& [twipsPerPixel, border, width, height] : cases) {
        setTwipsPerPixel(twipsPerPixel, twipsPerPixel);
        Loaded f(true, {{u"BorderStyle", Variant(border)}});
        f.container.setSize(10, 10);
        EXPECT_EQ(f.container.width(), width) << twipsPerPixel << " " << border;
        EXPECT_EQ(f.control.liveBox()->height(), height) << twipsPerPixel << " " << border;
    }
    setTwipsPerPixel(15, 15);
}

TEST(LayoutTest, OldPlatformFramesOnlyABorderedThreeDimensionalBox) {
    // Appearance (any value but 1 is flat), BorderStyle, whether the label frames the box.
    const std::tuple<std::int32_t, std::int32_t, bool> cases[] = {
        {1, 1, true}, {0, 1, false}, {1, 0, false}, {7, 1, false}};
    setPlatformVersion(3, 10);
    for (const auto& [appearance, border, framed] : cases) {
        Loaded f(true, {{u"Appearance", Variant(appearance)}, {u"BorderStyle", Variant(border)}});
        f.control.letDisabledGray(kTrue);
        f.control.letLocked(kTrue);
        EXPECT_EQ(f.control.liveBox()->left(), framed ? 45 : 0) << appearance << border;
        EXPECT_EQ(f.control.frameLabel().visible(), framed) << appearance << border;
        if (framed) {
            EXPECT_EQ(f.control.frameLabel().backColor(), 0x8000000Fu);  // follows the grey
        }
    }
    setPlatformVersion(6, 1);
}

TEST(LayoutTest, AutoSizeFitsTheWidthOnlyAtDesignTime) {
    struct Case {
        const char* name;
        bool userMode, multiLine;
        std::int32_t dataType, maxLength;
        float width;  // MaxLength measuring characters plus the border
    };
    const Case cases[] = {{"numeric", false, false, 4, 10, 2090},
                          {"upper", false, false, 2, 10, 3090},
                          {"unknown", false, false, 9, 10, 1590},
                          {"run time", true, false, 4, 10, 1245},
                          {"no limit", false, false, 4, 0, 1245},
                          {"multi-line", false, true, 4, 10, 1245},
                          // Measured in part and scaled: no form waits for a string of that length.
                          {"huge limit", false, false, 4, 2147483647, 200.0f * 2147483647.0f + 90}};
    setTextMeasurer(std::make_shared<CharacterMeasurer>());
    for (const Case& c : cases) {
        Loaded f(c.userMode, {{u"AutoSize", Variant::boolean(true)},
                              {u"DataType", Variant(c.dataType)},
                              {u"MaxLength", Variant(c.maxLength)},
                              {u"MultiLine", Variant::boolean(c.multiLine)}});
        EXPECT_EQ(f.container.width(), c.width) << c.name;
    }
    setTextMeasurer(nullptr);
}

}  // namespace
}  // namespace quelta
