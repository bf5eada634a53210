#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "TestSupport.h"
#include "format/EstablishRegionalSettings.h"
#include "platform/region/RegionTestSupport.h"

namespace quelta {
namespace {

using testing::u8;

// What a control reads from its region, in one line: the decimal separator and its code,
// the characters a number may hold, the day, month and year positions, the date format.
std::string settingsOf(const QueltaThreadData& data) {
    return u8(data.DecimalSeparator) + " " + std::to_string(data.DecimalSeparatorCode) + " " +
           u8(data.NumericChars) + " " + std::to_string(data.DayPosition) +
           std::to_string(data.MonthPosition) + std::to_string(data.YearPosition) + " " +
           u8(data.RegionalDateFormat);
}

RegionalSettings hostRegionWithShortDate(const char16_t* pattern) {
    RegionalSettings settings = hostDefinedRegion();
    settings.shortDatePattern = pattern;
    return settings;
}

TEST(EstablishRegionalSettingsTest, ReadsTheNotationOfRegions) {
    const std::pair<RegionalSettings, const char*> cases[] = {
        {regionalSettingsFor("en-US"), ". 46 1234567890.00%+-() 213 mm/dd/yyyy"},
        {regionalSettingsFor("de-DE"), ", 44 1234567890,00%+-() 123 dd.mm.yyyy"},
        {regionalSettingsFor("ja-JP"), ". 46 1234567890.00%+-() 321 yyyy/mm/dd"},
        // A two-digit year reads as group 0 and still asks for a four-digit year.
        {hostDefinedRegion(), ", 44 1234567890,00%+-() 123 dd-mm-yyyy"},
    };
    for (const auto& [region, expected] : cases) {
        ScopedRegion scoped(region);
        QueltaThreadData data;
        establishRegionalSettings(data);
        EXPECT_EQ(settingsOf(data), expected) << region.regionName;
    }
}

// Without a numeric month the date order stays undetermined and is read again next time,
// while the separators found the first time stay.
TEST(EstablishRegionalSettingsTest, MonthNamesLeaveTheDateOrderOpen) {
    QueltaThreadData data;
    {
        ScopedRegion region(hostRegionWithShortDate(u"dd mmm yyyy"));
        establishRegionalSettings(data);
        EXPECT_EQ(settingsOf(data), ", 44 1234567890,00%+-() 103 dd yyyy yyyy");
    }
    ScopedRegion region("en-US");
    establishRegionalSettings(data);
    EXPECT_EQ(settingsOf(data), ", 44 1234567890,00%+-() 213 mm/dd/yyyy");
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
