// Where the live box sits, how small the control may become, how AutoSize fits the width and
// when the extender's help settings reach the live box.
#include <gtest/gtest.h>

#include <memory>

#include "control/Quelta.h"
#include "platform/container/PropertyBag.h"
#include "platform/container/RecordingContainer.h"
#include "platform/fonts/TextMeasurer.h"
#include "platform/window/WindowSystem.h"

namespace quelta {
namespace {

// Tells the measuring characters apart: "W" 300, "0" 200, "w" 150 twips, twice as wide in
// bold.
class CharacterMeasurer : public TextMeasurer {
public:
    double textWidth(const Font& font, StringView text) const override {
        double width = 0;
        for (char16_t c : text)
            width += c == u'W' ? 300 : c == u'0' ? 200 : c == u'w' ? 150 : 100;
        return font.bold() ? 2 * width : width;
    }
    double lineHeight(const Font&) const override { return 200; }
};

// A control loaded from stored properties, which may hold any 16-bit enumeration value.
struct Loaded {
    RecordingContainer container;
    Quelta control{container};
    Loaded(bool userMode, const PropertyBag& bag) {
        container.setUserMode(userMode);
        startControl(control, &bag);
    }
    EditBox& live() { return *control.liveBox(); }
};

PropertyBag bagOf(std::initializer_list<std::pair<StringView, Variant>> entries) {
    PropertyBag bag;
    for (const auto& [key, value] : entries)
        bag.write(key, value);
    return bag;
}

TEST(LayoutTest, TooSmallControlSpringsBackToTemplatePlusBorder) {
    struct Case {
        double twipsPerPixel;
        std::int32_t borderStyle;  // any value but 0 is a border
        float width, height;
    };
    const Case cases[] = {
        {15, 1, 165, 285}, {12, 1, 147, 267}, {15, 0, 75, 195}, {15, -3, 165, 285}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.twipsPerPixel * 100 + c.borderStyle);
        setTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
        Loaded f(true, bagOf({{u"BorderStyle", Variant(c.borderStyle)}}));
        f.container.setSize(10, 10);
        EXPECT_EQ(f.container.width(), c.width);
        EXPECT_EQ(f.container.height(), c.height);
        EXPECT_EQ(f.live().width(), c.width);
        EXPECT_EQ(f.live().height(), c.height);
    }
    setTwipsPerPixel(15, 15);
}

TEST(LayoutTest, OldPlatformFramesOnlyABorderedThreeDimensionalBox) {
    struct Case {
        std::int32_t appearance, borderStyle;
        bool framed;
    };
    const Case cases[] = {{1, 1, true}, {0, 1, false}, {1, 0, false}, {7, 1, false}};
    setPlatformVersion(3, 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.appearance * 10 + c.borderStyle);
        Loaded f(true, bagOf({{u"Appearance", Variant(c.appearance)},
                              {u"BorderStyle", Variant(c.borderStyle)},
                              {u"BackColor", Variant(std::int32_t{0xFF})}}));
        f.container.setSize(2000, 600);
        const double inset = c.framed ? 45 : 0;
        EXPECT_EQ(f.live().left(), inset);
        EXPECT_EQ(f.live().top(), inset);
        EXPECT_EQ(f.live().width(), 2000 - 2 * inset);
        EXPECT_EQ(f.live().height(), 600 - 2 * inset);
        EXPECT_EQ(f.control.frameLabel().visible(), c.framed);
        if (!c.framed) continue;
        EXPECT_EQ(f.control.frameLabel().width(), 2000);
        EXPECT_EQ(f.control.frameLabel().backColor(), 0xFFu);
        f.control.letDisabledGray(kTrue);
        f.control.letLocked(kTrue);
        EXPECT_EQ(f.control.frameLabel().backColor(), 0x8000000Fu);
    }
    setPlatformVersion(6, 1);
}

// The width follows MaxLength characters of the data type's measuring character, plus the
// border, and only at design time for a single-line control with a limit.
TEST(LayoutTest, AutoSizeFitsTheWidthOnlyAtDesignTime) {
    struct Case {
        const char* name;
        bool userMode;
        std::int32_t dataType, maxLength, borderStyle;
        bool multiLine;
        float width;
    };
    const Case cases[] = {
        {"numeric", false, 4, 10, 1, false, 2090},   {"date", false, 6, 10, 1, false, 2090},
        {"upper", false, 2, 10, 1, false, 3090},     {"text", false, 0, 10, 1, false, 1590},
        {"unknown", false, 9, 10, 1, false, 1590},   {"no border", false, 4, 10, 0, false, 2000},
        {"run time", true, 4, 10, 1, false, 1245},   {"no limit", false, 4, 0, 1, false, 1245},
        {"multi-line", false, 4, 10, 1, true, 1245},
    };
    setTextMeasurer(std::make_shared<CharacterMeasurer>());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded f(c.userMode, bagOf({{u"AutoSize", Variant::boolean(true)},
                                    {u"DataType", Variant(c.dataType)},
                                    {u"MaxLength", Variant(c.maxLength)},
                                    {u"BorderStyle", Variant(c.borderStyle)},
                                    {u"MultiLine", Variant::boolean(c.multiLine)}}));
        EXPECT_EQ(f.container.width(), c.width);
        EXPECT_EQ(f.live().width(), c.width);
    }
    setTextMeasurer(nullptr);
}

// A font shortcut refits even when it writes the value the font already has.
TEST(LayoutTest, FontShortcutsAlwaysReportFontAndRefit) {
    setTextMeasurer(std::make_shared<CharacterMeasurer>());
    Loaded f(false, bagOf({{u"AutoSize", Variant::boolean(true)}}));
    f.control.letMaxLength(10);
    EXPECT_EQ(f.container.width(), 1590);
    f.container.clearRecords();
    f.control.letFontBold(kTrue);
    EXPECT_EQ(f.container.width(), 3090);
    EXPECT_TRUE(isTrue(f.live().fontBold()));
    f.container.setSize(1000, 500);
    f.control.letFontBold(kTrue);
    EXPECT_EQ(f.container.width(), 3090);
    EXPECT_EQ(f.container.changedProperties(), (std::vector<String>{u"Font", u"Font"}));
    setTextMeasurer(nullptr);
}

// The host resizes a control right after starting it; that is the first resize.
TEST(LayoutTest, HelpSettingsReachTheLiveBoxOnceAtTheFirstRunTimeResize) {
    for (bool userMode : {false, true}) {
        RecordingContainer container;
        container.setUserMode(userMode);
        container.defineExtenderProperty(u"HelpContextID", Variant(std::int32_t{8}));
        container.defineExtenderProperty(u"WhatsThisHelpID", Variant(String(u"not a number")));
        container.removeExtenderProperty(u"ToolTipText");
        Quelta control(container);
        startControl(control, nullptr);
        EXPECT_EQ(control.liveBox()->helpContextID(), userMode ? 8 : 0);
        EXPECT_EQ(control.liveBox()->whatsThisHelpID(), 0);
        EXPECT_EQ(control.state().HelpPropagated, toBoolean(userMode));
        container.defineExtenderProperty(u"HelpContextID", Variant(std::int32_t{9}));
        container.setSize(2100, 600);
        EXPECT_EQ(control.liveBox()->helpContextID(), userMode ? 8 : 0);
    }
}

}  // namespace
}  // namespace quelta
