// Hostile format strings and arguments: each gives a result or error 5, promptly.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/runtime/format/FormatCache.h"

namespace quelta {
namespace {

using testing::formatIn;

std::string repeated(const std::string& piece, std::size_t times) {
    std::string result;
    for (std::size_t i = 0; i < times; ++i)
        result += piece;
    return result;
}

TEST(FormatHostileTest, MustFail) {
    struct Case {
        Variant value;
        std::string format;
        int firstDayOfWeek, firstWeekOfYear;
        int error;
    };
    const Case cases[] = {
        {1.0, std::string(100 * 1024, '0'), 1, 1, kErrInvalidProcedureCall},
        {1.0, "0;0;0;0;0", 1, 1, kErrInvalidProcedureCall},
        {1.0, repeated("0;", 5000), 1, 1, kErrInvalidProcedureCall},
        {Variant::null(), repeated(";", 5000), 1, 1, kErrInvalidProcedureCall},
        {Date{36526}, repeated("dddddd", 5000), 1, 1, kErrInvalidProcedureCall},  // result too long
        {1.0, "0", 8, 1, kErrInvalidProcedureCall},
        {1.0, "0", -1, 1, kErrInvalidProcedureCall},
        {1.0, "0", 1, 4, kErrInvalidProcedureCall},
        {1.0, "0", 1, -1, kErrInvalidProcedureCall},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(testing::errorNumberOf([&] {
                      formatIn(testing::unitedStates(), c.value, c.format.c_str(), c.firstDayOfWeek,
                               c.firstWeekOfYear);
                  }),
                  c.error)
            << c.format.substr(0, 24);
    }
}

TEST(FormatHostileTest, OddFormatsStillGiveAResult) {
    struct Case {
        Variant value;
        std::string format;
        std::string expected;
    };
    const Case cases[] = {
        {5.0, "\\", ""},
        {5.0, "\"\"\"\"\"", ""},
        {5.0, repeated("\"\"", 10000), ""},
        {5.0, repeated("\\\\", 10000), std::string(10000, '\\')},
        {5.0, repeated("0", 30000), std::string(29999, '0') + "5"},
        {1.0 / 3, "0." + repeated("#", 30000), "0.333333333333333"},
        {5.0, ";;;", "5"},
        {5.0, "E+0", "5E+0"},
        {5.0, ",,,", ",,,5"},
        {5.0, "....", "5...."},
        {5.0, "%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%",
         "5" + std::string(80, '0') + std::string(40, '%')},
        {Date{36526}, "AM/P", "A1/P"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatIn(testing::unitedStates(), c.value, c.format.c_str()), c.expected)
            << c.format.substr(0, 24);
    }
}

TEST(FormatHostileTest, SelfReferringRegionalPatternsDoNotRecurse) {
    RegionalSettings loop = testing::unitedStates();
    loop.shortDatePattern = u"ddddd c dd";
    loop.longTimePattern = u"ttttt c hh";
    loop.longDatePattern = u"dddddd";
    EXPECT_EQ(formatIn(loop, Date{36526.5}, "c"), "  01   12");
    EXPECT_EQ(formatIn(loop, Date{36526.5}, "dddddd"), "");
}

TEST(FormatHostileTest, CacheStaysBoundedAndCorrect) {
    for (int i = 0; i < 1000; ++i) {
        std::string format = "0.0\"" + std::to_string(i) + "\"";
        ASSERT_EQ(formatIn(testing::unitedStates(), 1.0, format.c_str()),
                  "1.0" + std::to_string(i));
        ASSERT_LE(cachedFormatCount(), kCachedFormats);
    }
    std::string longFormat = "0" + std::string(kCachedFormatLength, ' ');
    std::size_t before = cachedFormatCount();
    EXPECT_EQ(formatIn(testing::unitedStates(), 7.0, longFormat.c_str()),
              "7" + std::string(kCachedFormatLength, ' '));
    EXPECT_EQ(cachedFormatCount(), before) << "long formats are not kept";
}

// Regional patterns new to the cache, short and long, fill it while a format that names
// them is being shown: the format in use must outlive the cache starting afresh.
TEST(FormatHostileTest, AFormatInUseOutlivesTheCacheStartingAfresh) {
    RegionalSettings settings = testing::unitedStates();
    const std::string padding(kCachedFormatLength, ' ');
    for (int i = 0; i < 3 * static_cast<int>(kCachedFormats); ++i) {
        const std::string mark = " \"" + std::to_string(i) + "\"";
        const std::string shortDate = i % 2 ? padding : "", outer = i % 3 ? "" : padding;
        settings.shortDatePattern = fromUtf8("d" + mark + shortDate);
        settings.longTimePattern = fromUtf8("h" + mark);
        const std::string shown = formatIn(settings, Date{36526.5}, ("c \"x\"" + outer).c_str());
        ASSERT_EQ(shown,
                  "1 " + std::to_string(i) + shortDate + " 12 " + std::to_string(i) + " x" + outer);
    }
}

}  // namespace
}  // namespace quelta
