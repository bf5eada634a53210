// Entering a control shows its value for editing, or keeps it formatted and selects it
// whole when the control starts selected; leaving it shows the value formatted again.
#include <gtest/gtest.h>

#include <tuple>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "format/ValueControlSupport.h"

namespace quelta::testing {
namespace {

TEST(FocusGainAndLossTest, StartSelectedKeepsTheFormattedValueAndSelectsItWhole) {
    struct Case {
        std::int16_t dataType;
        const char16_t* format;
        const char16_t* text;
        const char16_t* shown;
        std::int32_t selLength;
    };
    const Case cases[] = {
        {qltaDateTime, u"Vesk Date", u"1/5/2001", u"01/05/2001", 10},
        {qltaText, u"", u"", u"", 0},
    };
    inRegion("en-US", [&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(u8(c.format));
            ValueControl box(c.dataType, c.format);
            box.control.letText(c.text);
            box.control.letStartSelected(kTrue);
            box.focus();
            EXPECT_EQ(u8(box.control.FormattedText()), u8(c.shown));
            EXPECT_EQ(box.live().selStart(), 0);
            EXPECT_EQ(box.live().selLength(), c.selLength);
            EXPECT_EQ(box.control.state().SelectAllOnEntry, kFalse);
        }
    });
}

// Decimal places without a format of the control's own show at once, also while the user
// edits; a format written while the user edits waits for the focus to leave.
TEST(FocusGainAndLossTest, WritesWhileFocusedShowWhenTheirRulesSay) {
    inRegion("en-US", [] {
        ValueControl number(qltaNumeric);
        number.control.letText(u"1234.5");
        number.focus();
        ASSERT_EQ(u8(number.control.FormattedText()), "1235");
        number.control.letScaleDigits(2);
        EXPECT_EQ(u8(number.control.FormattedText()), "1234.5");

        ValueControl answer(qltaBoolean, u"Yes/No");
        answer.control.letText(u"True");
        answer.focus();
        answer.control.letFormat(u"On/Off");
        EXPECT_EQ(u8(answer.control.FormattedText()), "Yes");
        EXPECT_EQ(answer.container.changedProperties().back(), u"Format");
        answer.leave();
        EXPECT_EQ(u8(answer.control.FormattedText()), "On");
    });
}

// Without the focus a rebuild has nothing to give up, and a container that destroys the
// focused box's window from outside is a focus loss too.
TEST(FocusGainAndLossTest, OnlyTheFocusedBoxLosesTheFocus) {
    inRegion("en-US", [] {
        ValueControl field(qltaNumeric, u"#,##0.00");
        ValueControl other(qltaText);
        other.focus();
        field.control.letWordWrap(kTrue);
        EXPECT_EQ(GetFocus(), other.live().hWnd());
        EXPECT_EQ(other.control.state().HasFocus, kTrue);

        field.focus();
        field.type(u"42");
        destroyWindow(field.live().hWnd());
        EXPECT_EQ(field.control.state().HasFocus, kFalse);
        EXPECT_EQ(u8(field.control.templateBox().text()), "42");
    });
}

// Focus entry switches the container's enabled state off only for a disabled control while
// the application runs; the Enabled write switches it back on.
TEST(FocusGainAndLossTest, EntryToADisabledControlAtRunTimeSwitchesTheContainerOff) {
    for (auto [enabled, userMode, containerEnabled] :
         {std::tuple{true, true, true}, {false, true, false}, {false, false, true}}) {
        ValueControl box(qltaText);
        box.control.letEnabled(toBoolean(enabled));
        box.container.setUserMode(userMode);
        box.control.EnterFocus();
        EXPECT_EQ(box.container.enabled(), containerEnabled) << enabled << " " << userMode;
        box.control.letEnabled(kTrue);
        EXPECT_TRUE(box.container.enabled());
    }
}

}  // namespace
}  // namespace quelta::testing
