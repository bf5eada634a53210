#include <gtest/gtest.h>

#include "TestSupport.h"
#include "format/EstablishRegionalSettings.h"
#include "platform/region/RegionTestSupport.h"

namespace quelta {
namespace {

using testing::u8;

struct Expected {
    const char* decimalSeparator;
    std::int16_t decimalSeparatorCode;
    const char* numericChars;
    std::int16_t day, month, year;
    const char* dateFormat;
};

void expectSettings(const QueltaThreadData& data, const Expected& e, const std::string& where) {
    EXPECT_EQ(u8(data.DecimalSeparator), e.decimalSeparator) << where;
    EXPECT_EQ(data.DecimalSeparatorCode, e.decimalSeparatorCode) << where;
    EXPECT_EQ(u8(data.NumericChars), e.numericChars) << where;
    EXPECT_EQ(data.DayPosition, e.day) << where;
    EXPECT_EQ(data.MonthPosition, e.month) << where;
    EXPECT_EQ(data.YearPosition, e.year) << where;
    EXPECT_EQ(u8(data.RegionalDateFormat), e.dateFormat) << where;
}

RegionalSettings hostRegionWithShortDate(const char16_t* pattern) {
    RegionalSettings settings = hostDefinedRegion();
    settings.shortDatePattern = pattern;
    return settings;
}

TEST(EstablishRegionalSettingsTest, ReadsTheNotationOfRegions) {
    struct Case {
        RegionalSettings region;
        Expected expected;
    };
    const Case cases[] = {
        {regionalSettingsFor("en-US"), {".", 46, "1234567890.00%+-()", 2, 1, 3, "mm/dd/yyyy"}},
        {regionalSettingsFor("de-DE"), {",", 44, "1234567890,00%+-()", 1, 2, 3, "dd.mm.yyyy"}},
        {regionalSettingsFor("ja-JP"), {".", 46, "1234567890.00%+-()", 3, 2, 1, "yyyy/mm/dd"}},
        // A two-digit year reads as group 0 and still asks for a four-digit year.
        {hostDefinedRegion(), {",", 44, "1234567890,00%+-()", 1, 2, 3, "dd-mm-yyyy"}},
    };
    for (const Case& c : cases) {
        ScopedRegion region(c.region);
        QueltaThreadData data;
        establishRegionalSettings(data);
        expectSettings(data, c.expected, c.region.regionName);
    }
}

// Without a numeric month the date order stays undetermined and is read again next time,
// while the separators found the first time stay.
TEST(EstablishRegionalSettingsTest, MonthNamesLeaveTheDateOrderOpen) {
    QueltaThreadData data;
    {
        ScopedRegion region(hostRegionWithShortDate(u"dd mmm yyyy"));
        establishRegionalSettings(data);
        expectSettings(data, {",", 44, "1234567890,00%+-()", 1, 0, 3, "dd yyyy yyyy"}, "names");
    }
    ScopedRegion region("en-US");
    establishRegionalSettings(data);
    expectSettings(data, {",", 44, "1234567890,00%+-()", 2, 1, 3, "mm/dd/yyyy"}, "again");
}

TEST(EstablishRegionalSettingsTest, DateTextOfDigitsOnlySeparatesWithAFullStop) {
    ScopedRegion region(hostRegionWithShortDate(u"yyyymmdd"), 36892.0);  // midnight: no time
    QueltaThreadData data;
    establishRegionalSettings(data);
    EXPECT_EQ(u8(data.RegionalDateFormat), "yyyy.yyyy.yyyy");
    EXPECT_EQ(data.YearPosition, 3);
    EXPECT_EQ(data.DayPosition, 0);
}

TEST(EstablishRegionalSettingsTest, NumberGroupOverflowPropagates) {
    ScopedRegion region(hostRegionWithShortDate(u"\"99999999999\" dd/mm/yy"));
    QueltaThreadData data;
    EXPECT_EQ(testing::errorNumberOf([&] { establishRegionalSettings(data); }), kErrOverflow);
    EXPECT_EQ(data.DecimalSeparatorCode, 44);
    EXPECT_EQ(data.DayPosition, 0);
}

}  // namespace
}  // namespace quelta
