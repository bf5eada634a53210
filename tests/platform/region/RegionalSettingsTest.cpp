#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <thread>
#include <tuple>

#include "TestSupport.h"
#include "platform/region/CurrencyPlacement.h"
#include "platform/region/IcuPatternTranslation.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

using testing::u8;

// The fields of a region in one line, each followed by "|", so that a failure shows every
// field that differs at once.
std::string fields(std::initializer_list<std::string> values) {
    std::string line;
    for (const std::string& value : values)
        line += value + "|";
    return line;
}

// Decimal, group, date and time separators, short date, long and short time, first day.
// (The Format routine's tests run in en-US as ICU gives it, which pins its row.)
TEST(RegionalSettingsTest, NumberAndDateNotationOfRegions) {
    const std::pair<const char*, const char*> cases[] = {
        {"fr-FR", ",|\u202F|/|:|dd/mm/yyyy|hh:nn:ss|hh:nn|2|"},
        // Times take ":" where the region's own time separator is its date separator,
        {"fi-FI", ",|\u00A0|.|:|d/m/yyyy|h:nn:ss|h:nn|2|"},
        // and where it joins times with words ("13 h 45").
        {"fr-CA", ",|\u00A0|-|:|yyyy/mm/dd|hh:nn:ss|hh:nn|1|"},
    };
    for (const auto& [region, expected] : cases) {
        const RegionalSettings s = regionalSettingsFor(region);
        EXPECT_EQ(fields({u8(s.decimalSeparator), u8(s.groupSeparator), u8(s.dateSeparator),
                          u8(s.timeSeparator), u8(s.shortDatePattern), u8(s.longTimePattern),
                          u8(s.shortTimePattern), std::to_string(s.firstDayOfWeek)}),
                  expected)
            << region;
        EXPECT_EQ(s.grouping, std::vector<int>{3}) << region;
    }
}

// The end-to-end runtime scripts show the long dates of en-US and de-DE.
TEST(RegionalSettingsTest, LongAndMediumPatternsQuoteLiteralText) {
    EXPECT_EQ(u8(regionalSettingsFor("ja-JP").longDatePattern), "yyyy\"年\"m\"月\"d\"日\"dddd");
    EXPECT_EQ(u8(regionalSettingsFor("en-US").mediumDatePattern), "mmm d, yyyy");
}

// January, abbreviated March, Sunday, AM, PM, currency sign, its decimals and placements.
TEST(RegionalSettingsTest, NamesDesignatorsAndCurrency) {
    const std::pair<const char*, const char*> cases[] = {
        {"en-US", "January|Mar|Sunday|AM|PM|$|2|0|1|"},
        {"de-DE", "Januar|Mär|Sonntag|AM|PM|€|2|3|8|"},
        {"ja-JP", "1月|3月|日曜日|午前|午後|￥|0|0|1|"},
        {"de-CH", "Januar|Mär|Sonntag|AM|PM|CHF|2|2|2|"},
    };
    for (const auto& [region, expected] : cases) {
        const RegionalSettings s = regionalSettingsFor(region);
        EXPECT_EQ(
            fields({u8(s.monthNames[0]), u8(s.abbreviatedMonthNames[2]), u8(s.dayNames[0]),
                    u8(s.amDesignator), u8(s.pmDesignator), u8(s.currencySymbol),
                    std::to_string(s.currencyDecimals), std::to_string(s.positiveCurrencyPattern),
                    std::to_string(s.negativeCurrencyPattern)}),
            expected)
            << region;
    }
}

// Inflected month names are kept beside the stand-alone ones; Indian grouping has two sizes.
TEST(RegionalSettingsTest, InflectedMonthNamesAndIndianGrouping) {
    RegionalSettings ru = regionalSettingsFor("ru-RU");
    EXPECT_EQ(u8(ru.monthNames[0]) + " " + u8(ru.genitiveMonthNames[0]), "январь января");
    EXPECT_EQ(regionalSettingsFor("hi-IN").grouping, (std::vector<int>{3, 2}));
}

TEST(RegionalSettingsTest, UnknownOrMalformedNamesAreRefusedAndGiveEnUs) {
    for (const char* name :
         {"xx-YY", "de-YY", "german", "", "C", "POSIX", "!!", "-", "de_DE\xff", "@", "de-DE-!"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(isKnownRegion(name));
        EXPECT_EQ(regionalSettingsFor(name).regionName, "en-US");
    }
    for (const char* name : {"de-DE", "de", "es-419", "zh-Hant-TW", "de_DE.UTF-8@euro"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(isKnownRegion(name));
    }
    EXPECT_EQ(regionalSettingsFor("de_DE.UTF-8@euro").regionName, "de-DE");
}

TEST(RegionalSettingsTest, EnvironmentChoosesTheRegionInOrder) {
    struct Case {
        const char* lcAll;
        const char* lcNumeric;
        const char* lcTime;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "fr_FR", nullptr, "ja_JP", "de-DE"},
        {nullptr, "fr_FR.UTF-8", "de_DE", "ja_JP", "fr-FR"},
        {"", nullptr, "en_GB@euro", "ja_JP", "en-GB"},
        {nullptr, nullptr, nullptr, "ja_JP.eucJP", "ja-JP"},
        {"C.UTF-8", "de_DE", nullptr, nullptr, "en-US"},
        {nullptr, nullptr, nullptr, "zz_ZZ", "en-US"},
        {nullptr, nullptr, nullptr, nullptr, "en-US"},
    };
    const char* names[] = {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"};
    auto setAll = [&names](std::array<const char*, 4> values) {
        for (int i = 0; i < 4; ++i)
            values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
    };
    std::optional<std::string> saved[4];
    std::array<const char*, 4> restore{};
    for (int i = 0; i < 4; ++i)
        if (const char* value = std::getenv(names[i])) restore[i] = (saved[i] = value)->c_str();
    for (const Case& c : cases) {
        setAll({c.lcAll, c.lcNumeric, c.lcTime, c.lang});
        EXPECT_EQ(regionNameFromEnvironment(), c.expected) << c.expected;
    }
    // A thread that never chose a region takes the environment's on first use.
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    std::string firstUse;
    std::thread([&] { firstUse = currentRegionalSettings().regionName; }).join();
    EXPECT_EQ(firstUse, "de-DE");
    setAll(restore);
}

TEST(IcuPatternTranslationTest, FieldsBecomeFormatCodes) {
    struct Case {
        const char16_t* icu;
        const char16_t* dateSeparator;
        bool fourDigitYear;
        const char* expected;
    };
    const Case cases[] = {
        {u"M/d/yy", u"/", true, "m/d/yyyy"},
        {u"M/d/yy", u"/", false, "m/d/yy"},
        {u"dd.MM.y", u"-", false, "dd.mm.yyyy"},
        {u"HH:mm:ss zzzz", u"/", false, "hh:nn:ss"},  // time zone dropped with its space
        {u"G y-MM-dd", u"-", false, "yyyy/mm/dd"},    // era dropped
        {u"h 'o''clock' a", u"/", false, "h \"o'clock\" AM/PM"},
        {u"y'\"'M", u"/", false, "yyyy\\\"m"},      // a double quote is escaped
        {u"\u200Fd/M/y", u"/", false, "d/m/yyyy"},  // direction marks dropped
        {u"y/M 'unterminated", u"/", false, "yyyy/m \"unterminated\""},
        {u"", u"/", false, ""},
    };
    for (const Case& c : cases) {
        PatternTranslationOptions options;
        options.dateSeparator = c.dateSeparator;
        options.timeSeparator = u":";
        options.fourDigitYear = c.fourDigitYear;
        EXPECT_EQ(u8(translateIcuPattern(c.icu, options)), c.expected) << u8(c.icu);
    }
}

TEST(IcuPatternTranslationTest, SeparatorAfterTheFirstMatchingField) {
    const std::tuple<const char16_t*, const char16_t*, const char*> cases[] = {
        {u"dd.MM.yy", u"yMd", "."}, {u"yy. M. d.", u"yMd", ". "},
        {u"a h:mm", u"Hh", ":"},    {u"dMy", u"yMd", ""},
        {u"HH", u"H", ""},          {u"", u"H", ""},
    };
    for (auto [pattern, fields, expected] : cases)
        EXPECT_EQ(u8(separatorAfterField(pattern, fields)), expected) << u8(pattern);
}

TEST(CurrencyPlacementTest, CodesFromIcuPatterns) {
    struct Case {
        const char16_t* pattern;
        int positive, negative;
    };
    const Case cases[] = {
        {u"¤ #,##0.00", 2, 9},
        {u"¤\u00A0#,##0.00;¤\u00A0-#,##0.00", 2, 12},
        {u"#,##0.00 ¤;(#,##0.00 ¤)", 3, 15},
        {u"¤#,##0.00;¤#,##0.00-", 0, 3},
        {u"\u200F#,##0.00\u00A0\u200F¤;\u200F-#,##0.00\u00A0\u200F¤", 3, 8},
        {u"#,##0.00", 0, 1},                 // no currency sign
        {u"¤#,##0.00;¤ #,##0.00 CR", 0, 1},  // unknown negative shape keeps the sign in front
        {u"", 0, 1},
    };
    for (const Case& c : cases) {
        CurrencyPlacement placement = currencyPlacementOf(c.pattern);
        EXPECT_EQ(placement.positive, c.positive) << u8(c.pattern);
        EXPECT_EQ(placement.negative, c.negative) << u8(c.pattern);
    }
}

}  // namespace
}  // namespace quelta
