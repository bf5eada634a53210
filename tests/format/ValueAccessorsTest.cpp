// Text, Value and FormattedText as a host reads and writes them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "format/ValueControlSupport.h"
#include "platform/editbox/EditBox.h"

namespace quelta::testing {
namespace {

constexpr std::int32_t kChange = 1;

// The write stores, reports "Text", shows the new value and only then raises Change (that an
// equal text does nothing at all, the end-to-end scripts show). The container learns the template's
// DataChanged flag, which the normalization leaves as it was.
TEST(ValueAccessorsTest, TextWriteRefreshesBeforeChangeAndPassesDataChanged) {
    inRegion("en-US", [] {
        for (bool dataChanged : {false, true}) {
            ValueControl box(qltaNumeric, u"#,##0.00");
            box.container.setExtenderProperty(u"DataChanged", Variant::boolean(!dataChanged));
            box.control.templateBox().setDataChanged(toBoolean(dataChanged));
            String shownAtChange;
            box.container.setEventHandler(
                [&](std::int32_t, std::span<Variant>) { shownAtChange = box.live().text(); });
            box.control.letText(u"1234.5");
            EXPECT_EQ(u8(shownAtChange), "1,234.50");
            EXPECT_EQ(box.container.changedProperties(), std::vector<String>{u"Text"});
            ASSERT_EQ(box.container.raisedEvents().size(), 1u);
            EXPECT_EQ(box.container.raisedEvents()[0].dispid, kChange);
            EXPECT_EQ(box.container.extenderProperty(u"DataChanged"),
                      Variant::boolean(dataChanged));
            EXPECT_EQ(box.control.templateBox().dataChanged(), toBoolean(dataChanged));
        }
        ValueControl withoutFlag(qltaText);
        withoutFlag.container.removeExtenderProperty(u"DataChanged");
        EXPECT_EQ(errorNumberOf([&] { withoutFlag.control.letText(u"x"); }), 0);
    });
}

// Written while the user edits, a date stays as written and the box keeps the focus.
TEST(ValueAccessorsTest, TextWriteWhileFocusedKeepsTheRawTextAndTheFocus) {
    inRegion("de-DE", [] {
        ValueControl box(qltaDateTime);
        box.focus();
        box.control.letText(u"3112");
        EXPECT_EQ(u8(box.stored()), "3112");
        EXPECT_EQ(u8(box.control.FormattedText()), "3112");
        EXPECT_EQ(GetFocus(), box.live().hWnd());
    });
}

// Reads: a Boolean reads as what it means, an empty number as 0, a numeric Value with "."
// for the first regional separator only; writes turn the first "." back.
TEST(ValueAccessorsTest, TextAndValueReadAndWriteByDataType) {
    struct Case {
        const char* region;
        std::int16_t dataType;
        const char16_t* format;
        const char16_t* typed;  // while the control has the focus: kept raw
        const char16_t* text;
        const char16_t* value;
        const char16_t* valueWritten;
        const char16_t* textAfter;  // normalized once the focus has left
    };
    // clang-format off
    const Case cases[] = {
        {"de-DE", qltaNumeric, u"", u"1,2,3", u"1,2,3", u"1.2,3", u"1.2.3", u"1,23"},
        {"de-DE", qltaText, u"", u"1,5", u"1,5", u"1,5", u"1.5", u"1.5"},
        {"en-US", qltaBoolean, u"On/Off", u"on", u"True", u"True", u"off", u"False"},
        {"en-US", qltaBoolean, u"", u"yes", u"False", u"False", u"-1", u"True"},
    };
    // clang-format on
    for (const Case& c : cases) {
        inRegion(c.region, [&] {
            SCOPED_TRACE(u8(c.typed));
            ValueControl box(c.dataType, c.format);
            box.focus();
            box.type(c.typed);
            EXPECT_EQ(u8(box.control.Text()), u8(c.text));
            EXPECT_EQ(u8(box.control.Value()), u8(c.value));
            box.leave();
            box.control.letValue(c.valueWritten);
            EXPECT_EQ(u8(box.control.Text()), u8(c.textAfter));
        });
    }
}

}  // namespace
}  // namespace quelta::testing
