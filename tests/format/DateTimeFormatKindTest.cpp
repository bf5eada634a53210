#include <gtest/gtest.h>

#include "TestSupport.h"
#include "format/DateTimeFormatKind.h"

namespace quelta {
namespace {

TEST(DateTimeFormatKindTest, ClassifiesFormats) {
    struct Case {
        const char16_t* format;
        bool dateLike;
        bool timeLike;
    };
    const Case cases[] = {
        {u"", true, false},
        {u"General Date", true, false},
        {u"Vesk Date", true, false},
        {u"dd.mm.yy", true, false},
        {u"hh:nn", false, true},
        {u"h:nn AM/PM", false, true},
        {u"d.m.yy h", true, false},           // an hour without minutes is no time
        {u"dd.mm.yyyy hh:nn", false, false},  // both
        {u"ww", false, false},
        {u"General Date \"Woche\"", false, false},  // literals count like codes
        {u"\"Time\" dd.mm.yy", false, true},        // "TIME" wins over the date codes
        {u"hh:nn \"Date\"", true, false},
        {u"y", false, false},
        {u"dd.mm.yyy", false, false},
        {u"yy dd.mm.y", false, false},  // the first odd run counts wherever it is
        {u"mm/yyyy", false, false},
    };
    for (const Case& c : cases) {
        DateTimeFormatKind kind = classifyDateTimeFormat(c.format);
        EXPECT_EQ(kind.DateLike, c.dateLike) << testing::u8(c.format);
        EXPECT_EQ(kind.TimeLike, c.timeLike) << testing::u8(c.format);
    }
}

}  // namespace
}  // namespace quelta
