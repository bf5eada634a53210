// What a typed entry becomes when the focus leaves the control, and what the control shows
// without and with the focus, in regions with different notations.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "format/ValueControlSupport.h"

namespace quelta::testing {
namespace {

struct EntryCase {
    const char* region;
    std::int16_t dataType;
    const char16_t* format;
    std::int16_t scaleDigits;
    const char16_t* typed;
    const char16_t* stored;   // once the focus has left
    const char16_t* display;  // without the focus
    const char16_t* editing;  // when the focus comes back
};

// clang-format off
const EntryCase kEntries[] = {
    // Group separators, currency signs and a lower-case e are dropped; an upper-case E
    // keeps its exponent. Nothing typed is 0, shown as an empty box for editing; a text that
    // still does not convert empties the value.
    {"en-US", qltaNumeric, u"", 0, u"12e3", u"123", u"123", u"123"},
    {"en-US", qltaNumeric, u"", 0, u"", u"0", u"0", u""},
    {"en-US", qltaNumeric, u"", 0, u"1.2.3", u"", u"", u""},
    // (That a percent sign, though numeric, empties the value is in the runtime refusals script.)
    {"en-US", qltaNumeric, u"#,##0.00", 0, u"$1,234.5", u"1234.5", u"1,234.50", u"1235"},
    {"fr-FR", qltaNumeric, u"0.00", 0, u"1 234,5", u"1234,5", u"1234,50", u"1235"},
    // Decimal places shape the display only; the stored value keeps every digit, and while
    // editing the whole value is shown.
    {"en-US", qltaNumeric, u"", 2, u"", u"0", u"0.00", u""},
    {"en-US", qltaNumeric, u"#,##0.00", 3, u"1234.5", u"1234.5", u"1,234.50", u"1234.5"},
    // The format's own word for True is read in any letter case, beside the platform's
    // Boolean texts and numbers; without a format nothing is normalized.
    {"en-US", qltaBoolean, u"Yes/No", 0, u"NO", u"False", u"No", u"No"},
    {"en-US", qltaBoolean, u"Yes/No", 0, u"-1", u"True", u"Yes", u"Yes"},
    {"de-DE", qltaBoolean, u"true/false", 0, u"tRUE", u"True", u"True", u"True"},
    {"en-US", qltaBoolean, u"", 0, u"yes", u"yes", u"yes", u"yes"},
    // "Vesk Date" is the region's short date with two-digit day and month and a four-digit
    // year; partial entries are completed from today (15 June 2001) in the region's order.
    {"fr-FR", qltaDateTime, u"Vesk Date", 0, u"5/1/01", u"05/01/2001", u"05/01/2001", u"05/01/2001"},
    {"ja-JP", qltaDateTime, u"Vesk DATE", 0, u"2001/1/5", u"2001/01/05", u"2001/01/05", u"2001/01/05"},
    // A format with date and time codes takes the entry as the platform reads it.
    {"de-DE", qltaDateTime, u"dd.mm.yyyy hh:nn", 0, u"3112", u"", u"", u""},
};
// clang-format on

TEST(ValueDisplayTest, TypedEntriesAreNormalizedWhenTheFocusLeaves) {
    std::set<std::string> regions;
    for (const EntryCase& c : kEntries)
        regions.insert(c.region);
    for (const std::string& region : regions) {
        inRegion(region, [&] {
            for (const EntryCase& c : kEntries) {
                if (region != c.region) continue;
                SCOPED_TRACE(region + " " + u8(c.format) + " typed " + u8(c.typed));
                ValueControl box(c.dataType, c.format, c.scaleDigits);
                box.focus();
                box.type(c.typed);
                box.leave();
                EXPECT_EQ(u8(box.stored()), u8(c.stored));
                EXPECT_EQ(u8(box.control.FormattedText()), u8(c.display));
                box.focus();
                EXPECT_EQ(u8(box.control.FormattedText()), u8(c.editing));
            }
        });
    }
}

// An entry that does not form a date brings back the value it was typed over; a value
// that the platform reads in another order than it was written is refused.
TEST(ValueDisplayTest, ImpossibleDatesFallBackAndMisreadOnesAreRefused) {
    struct Case {
        const char* region;
        const char16_t* before;  // written while the control has the focus, so kept raw
        const char16_t* typed;
        const char16_t* stored;
    };
    const Case cases[] = {
        {"de-DE", u"15.06.2001", u"30.2", u"15.06.2001"},
        {"en-US", u"13/12/2000", u"2/30", u""},
    };
    for (const Case& c : cases) {
        inRegion(c.region, [&] {
            SCOPED_TRACE(u8(c.before));
            ValueControl box(qltaDateTime, u"Short Date");
            box.focus();
            box.control.letText(c.before);
            box.type(c.typed);
            box.leave();
            EXPECT_EQ(u8(box.stored()), u8(c.stored));
        });
    }
}

}  // namespace
}  // namespace quelta::testing
