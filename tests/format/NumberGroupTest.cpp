#include <gtest/gtest.h>

#include "TestSupport.h"
#include "format/NumberGroup.h"

namespace quelta {
namespace {

TEST(NumberGroupTest, KthRunOfAnsiDigits) {
    struct Case {
        const char16_t* text;
        std::int16_t k;
        std::int32_t expected;
    };
    const Case cases[] = {
        {u"31.12.2000", 1, 31},
        {u"31.12.2000", 3, 2000},
        {u"31.12.2000", 4, 0},
        {u"a1b22c333", 3, 333},
        {u"12", 0, 0},
        {u"", 1, 0},
        {u"\uFF11\uFF12 7", 1, 7},  // full-width digits are not digits here
        {u"000000000000000000042", 1, 42},
        {u"99999999999 5", 2, 5},  // only the k-th run is converted
        {u"x2147483647", 1, 2147483647},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetNumberGroup(c.text, c.k), c.expected) << testing::u8(c.text) << " k=" << c.k;
    }
}

TEST(NumberGroupTest, RunBeyond32BitsOverflows) {
    EXPECT_EQ(testing::errorNumberOf([] { GetNumberGroup(u"1.2147483648", 2); }), kErrOverflow);
}

}  // namespace
}  // namespace quelta
