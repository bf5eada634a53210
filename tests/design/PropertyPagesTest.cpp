#include <gtest/gtest.h>

#include "TestSupport.h"
#include "api/LateBoundControl.h"
#include "design/pagMainPage.h"
#include "design/pagTextPage.h"
#include "platform/container/RecordingContainer.h"
#include "platform/pages/PropertyPageFrame.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

const char16_t* const kPageProperties[] = {
    u"MousePointer",  u"BorderStyle", u"Alignment",   u"Appearance",   u"ScrollBars",
    u"DataType",      u"Format",      u"MultiLine",   u"Locked",       u"HideSelection",
    u"StartSelected", u"AutoSize",    u"AutoTab",     u"DisabledGray", u"Enabled",
    u"Text",          u"MaxLength",   u"ScaleDigits", u"PasswordChar", u"WordWrap",
    u"RightToLeft"};

// A control in the designer, reached by name as the pages reach it.
struct DesignedControl {
    RecordingContainer container;
    Quelta control{container};
    std::shared_ptr<LateBoundControl> named = std::make_shared<LateBoundControl>(control);
    DesignedControl() {
        container.setUserMode(false);
        startControl(control, nullptr);
    }
    Variant get(StringView name) { return named->property(name); }
    void let(StringView name, Variant value) { named->letProperty(name, value); }
    std::vector<Variant> pageProperties() {
        std::vector<Variant> values;
        for (const char16_t* name : kPageProperties)
            values.push_back(get(name));
        return values;
    }
};

struct PagesTest : ::testing::Test {
    DesignedControl first;
    DesignedControl second;
    PropertyPageFrame frame;
    pagMainPage general{frame};
    pagTextPage text{frame};

    void open(PropertyPage& page) { frame.open(page, {first.named, second.named}); }
    void operate(const PropertyPage& page, StringView widget, Variant value) {
        page.widgets().widget(widget).operate(value);
    }
    Variant shown(const PropertyPage& page, StringView widget) {
        return page.widgets().widget(widget).value();
    }
};

// The unchanged page writes every property back as it was: no change reports, nothing
// lost, the custom pointer 99 included.
TEST_F(PagesTest, FillThenApplyWithoutChangesKeepsEveryProperty) {
    first.let(u"MousePointer", Variant(std::int32_t{99}));
    first.let(u"DataType", Variant(std::int32_t{4}));
    first.let(u"Format", Variant(u"0.00"));
    first.let(u"MultiLine", Variant::boolean(true));
    first.let(u"Enabled", Variant::boolean(false));
    first.let(u"Text", Variant(u"12.5"));
    first.let(u"MaxLength", Variant(std::int32_t{8}));
    first.let(u"ScaleDigits", Variant(std::int16_t{2}));
    first.let(u"PasswordChar", Variant(u"*"));
    first.let(u"WordWrap", Variant::boolean(true));
    const std::vector<Variant> before = first.pageProperties();
    for (PropertyPage* page : std::initializer_list<PropertyPage*>{&general, &text}) {
        SCOPED_TRACE(testing::u8(page->caption()));
        first.container.clearRecords();
        open(*page);
        EXPECT_FALSE(frame.changed()) << "the fill is not a change";
        frame.apply();
        EXPECT_EQ(first.pageProperties(), before);
        EXPECT_EQ(first.container.changedProperties(), std::vector<String>{});
    }
    open(general);
    EXPECT_EQ(shown(general, u"cboMousePointer"), Variant(std::int32_t{16}));
}

// Every property is written in the page's own order, which the change reports show.
TEST_F(PagesTest, ApplyWritesInPageOrder) {
    open(general);
    for (auto [list, position] : {std::pair{u"cboMousePointer", 2},
                                  {u"cboBorderStyle", 0},
                                  {u"cboAlignment", 1},
                                  {u"cboAppearance", 0},
                                  {u"cboScrollBars", 2},
                                  {u"cboDataType", 4}}) {
        operate(general, list, Variant(std::int32_t{position}));
    }
    operate(general, u"cboFormat", Variant(u"0.0"));
    for (std::size_t i = 7; i < 15; ++i) {
        const String box = String(u"chk") + kPageProperties[i];
        operate(general, box, Variant(std::int32_t{1 - shown(general, box).toInteger()}));
    }
    first.container.clearRecords();
    frame.apply();
    EXPECT_EQ(first.container.changedProperties(),
              std::vector<String>(std::begin(kPageProperties), std::begin(kPageProperties) + 15));

    open(text);
    for (auto [widget, value] : {std::pair{u"txtText", u"abc"},
                                 {u"txtPasswordChar", u"#"},
                                 {u"txtMaxLength", u"20"},
                                 {u"txtScaleDigits", u"3"},
                                 {u"chkWordWrap", u"1"},
                                 {u"chkRightToLeft", u"1"}}) {
        operate(text, widget, Variant(value));
    }
    EXPECT_TRUE(frame.changed());
    first.container.clearRecords();
    frame.apply();
    EXPECT_FALSE(frame.changed());
    const std::vector<String> order = {u"Text",        u"PasswordChar", u"MaxLength",
                                       u"ScaleDigits", u"WordWrap",     u"RightToLeft"};
    EXPECT_EQ(first.container.changedProperties(), order);
}

// What the widgets hold is what the control gets (a number is the leading number of its
// text), and only the first of several selected controls changes.
TEST_F(PagesTest, AppliesWidgetValuesToTheFirstSelectedControlOnly) {
    first.let(u"MaxLength", Variant(std::int32_t{5}));
    const Variant untouched = second.get(u"MaxLength");
    open(text);
    operate(text, u"txtMaxLength", Variant(u"12abc"));
    frame.apply();
    EXPECT_EQ(first.get(u"MaxLength"), Variant(std::int32_t{12}));
    EXPECT_EQ(second.get(u"MaxLength"), untouched);
}

// An error ends the apply at its property: what was written before stays, nothing after
// is written, and the page still has its changes.
TEST_F(PagesTest, ErrorMidApplyKeepsEarlierWrites) {
    open(general);
    operate(general, u"cboMousePointer", Variant(std::int32_t{2}));
    operate(general, u"cboBorderStyle", Variant(std::int32_t{0}));
    operate(general, u"cboDataType", Variant(std::int32_t{4}));
    first.container.setUserMode(true);  // BorderStyle is design-time only
    EXPECT_EQ(errorNumberOf([&] { frame.apply(); }), kErrSetNotPermitted);
    EXPECT_EQ(first.get(u"MousePointer").toInteger(), 2);
    EXPECT_EQ(first.get(u"BorderStyle").toInteger(), 1);
    EXPECT_EQ(first.get(u"DataType").toInteger(), 0);
    EXPECT_TRUE(frame.changed());
}

// A value the page cannot show fails the fill and leaves no half-filled page to apply.
TEST_F(PagesTest, FailedFillLeavesNoPageOpen) {
    first.let(u"ScrollBars", Variant(std::int16_t{7}));
    EXPECT_EQ(errorNumberOf([&] { open(general); }), kErrInvalidPropertyValue);
    EXPECT_EQ(frame.page(), nullptr);
    EXPECT_EQ(errorNumberOf([&] { frame.apply(); }), kErrObjectRequired);
}

}  // namespace
}  // namespace quelta
