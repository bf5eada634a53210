// How the Format routine reads each kind of value, and its named formats.
#include <gtest/gtest.h>

#include <string>

#include "platform/region/Calendar.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

using testing::expectFormats;
using testing::formatIn;

// Empty is zero to a number or date format; Null shows only a fourth section.
TEST(FormatValueKindsTest, EmptyNullAndBooleans) {
    expectFormats(testing::unitedStates(), {{Variant(), "", ""},
                                            {Variant(), "0;-0;\\z", "z"},
                                            {Variant::null(), "0", ""},
                                            {Variant::null(), "0;-0;0;\\N\\i\\l", "Nil"},
                                            {Variant::null(), "0;-0;0;0.00", "0.00"},
                                            {Variant::null(), "Yes/No", ""},
                                            {Variant::null(), "dd;;;\\-", "-"},
                                            {Variant::boolean(true), "", "True"},
                                            {Variant::error(5), "", "Error 5"},
                                            {Variant::error(2042), "0.00", "Error 2042"}});
}

TEST(FormatValueKindsTest, NamedNumberFormats) {
    expectFormats(testing::unitedStates(), {{1234.5, "Currency", "$1,234.50"},
                                            {1234.5, "Scientific", "1.23E+03"},
                                            {Date{36526.5}, "General Number", "36526.5"},
                                            {5.0, "Yes/No", "Yes"},
                                            {-5.0, "True/False", "True"},
                                            {u"text", "Currency", "text"}});
    expectFormats(testing::germany(),
                  {{-1234.5, "Currency", "-1.234,50 €"}, {1234.5, "Scientific", "1,23E+03"}});
    expectFormats(testing::japan(), {{1234.5, "Currency", "￥1,235"}, {-5.0, "Currency", "-￥5"}});
}

TEST(FormatValueKindsTest, NamedDateFormats) {
    const Date sample{dateSerial(2000, 12, 31) + timeSerial(13, 45, 7)};
    expectFormats(testing::unitedStates(), {{sample, "Medium Date", "31-Dec-00"},
                                            {sample, "Short Time", "13:45"},
                                            {sample, "short date", "12/31/2000"}});
    expectFormats(testing::germany(), {{sample, "Short Date", "31.12.2000"},
                                       {sample, "Long Date", "Sunday, 31. December 2000"}});
    expectFormats(testing::japan(), {{sample, "Short Date", "2000/12/31"},
                                     {sample, "Long Date", "2000年12月31日日曜日"}});
    expectFormats(testing::twoDigitYearLand(), {{sample, "Short Date", "00-12-31"}});
}

// Month names take their inflected form when a day number stands in the same format.
TEST(FormatValueKindsTest, MonthNamesBesideADayNumber) {
    RegionalSettings russian = testing::unitedStates();
    russian.monthNames[0] = u"январь";
    russian.genitiveMonthNames[0] = u"января";
    const Date january{dateSerial(2001, 1, 5)};
    EXPECT_EQ(formatIn(russian, january, "d mmmm"), "5 января");
    EXPECT_EQ(formatIn(russian, january, "mmmm yyyy"), "январь 2001");
}

// Text that converts is formatted as its value; these cases go through the thread's own
// settings, which the conversions read too.
TEST(FormatValueKindsTest, TextThatConvertsIsFormattedAsItsValue) {
    ScopedRegion region(testing::unitedStates());
    EXPECT_EQ(toUtf8(formatValue(u"1234.5", u"#,##0.00")), "1,234.50");
    EXPECT_EQ(toUtf8(formatValue(u"abc", u"0.00")), "abc");
    EXPECT_EQ(toUtf8(formatValue(u"36526", u"dd.mm.yyyy")), "01.01.2000");
    double serial = dateSerial(2003, 4, 5);
    EXPECT_EQ(toUtf8(formatValue(dateToText(serial), u"yyyy-mm-dd")), "2003-04-05");
    EXPECT_EQ(toUtf8(formatValue(u"1234.5")), "1234.5") << "the empty format leaves text alone";
    EXPECT_EQ(toUtf8(formatValue(1234.5)), toUtf8(doubleToText(1234.5)));
    EXPECT_EQ(toUtf8(formatValue(u"12", u"General Number")), "12");
}

TEST(FormatValueKindsTest, ObjectsAreShownByTheirDefaultValue) {
    struct Amount : AutomationObject {
        Variant defaultValue() const override { return 2.5; }
    };
    struct NoDefault : AutomationObject {};
    EXPECT_EQ(formatIn(testing::unitedStates(), ObjectRef(std::make_shared<Amount>()), "0.00"),
              "2.50");
    EXPECT_THROW(formatIn(testing::unitedStates(), ObjectRef(std::make_shared<NoDefault>()), "0"),
                 AutomationError);
    EXPECT_THROW(formatIn(testing::unitedStates(), Variant::nothing(), "0"), AutomationError);
}

}  // namespace
}  // namespace quelta
