// The Format routine in regions read from ICU: the named formats must come out as people of
// those regions write numbers and dates.
#include <gtest/gtest.h>

#include <string>

#include "FormatTestRegions.h"
#include "platform/Calendar.h"

namespace quelta {
namespace {

using testing::formatIn;

TEST(FormatIcuRegionsTest, NamedFormatsInIcuRegions) {
    const Date newYearsEve{dateSerial(2000, 12, 31) + timeSerial(13, 45, 7)};
    struct Case {
        const char* region;
        Variant value;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"en-US", 1234.5, "Currency", "$1,234.50"},
        {"en-US", newYearsEve, "Short Date", "12/31/2000"},
        {"en-US", newYearsEve, "Short Time", "13:45"},
        {"de-DE", -1234.5, "Currency", "-1.234,50 €"},
        {"de-DE", newYearsEve, "Short Date", "31.12.2000"},
        {"de-DE", newYearsEve, "Long Date", "Sonntag, 31. Dezember 2000"},
        {"en-GB", newYearsEve, "Short Date", "31/12/2000"},
        {"en-GB", 1234.5, "Currency", "£1,234.50"},
        {"ja-JP", newYearsEve, "Short Date", "2000/12/31"},
        {"ja-JP", 1234.0, "Currency", "￥1,234"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatIn(regionalSettingsFor(c.region), c.value, c.format), c.expected)
            << c.region << " " << c.format;
    }
}

TEST(FormatIcuRegionsTest, FrenchGroupsWithANoBreakSpace) {
    RegionalSettings french = regionalSettingsFor("fr-FR");
    std::string text = formatIn(french, 1234567.5, "#,##0.00");
    EXPECT_TRUE(text == "1\u202F234\u202F567,50" || text == "1\u00A0234\u00A0567,50") << text;
}

}  // namespace
}  // namespace quelta
