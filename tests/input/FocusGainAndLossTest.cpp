// Entering a control shows its value for editing, or keeps it formatted and selects it
// whole when the control starts selected; leaving it shows the value formatted again.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quelta::testing
