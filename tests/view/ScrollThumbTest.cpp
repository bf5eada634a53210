// Where a scroll bar's thumb lies, in whole units of the host.
#include <gtest/gtest.h>

#include "view/ScrollThumb.h"

namespace quelta::view {
namespace {

TEST(ScrollThumbTest, ThumbIsAsLongAndAsFarAlongAsThePartShown) {
    struct Case {
        const char* name;
        ScrollRange range;
        int track;
        Thumb expected;
    };
    const Case cases[] = {
        {"everything shown fills the track", {0, 5, 3}, 4, {0, 4}},
        {"half shown, at the start", {0, 5, 10}, 10, {0, 5}},
        {"half shown, at the end", {5, 5, 10}, 10, {5, 5}},
        {"a long text keeps a thumb of one unit", {50, 3, 1000}, 3, {0, 1}},
        {"scrolled to the end of a long text", {997, 3, 1000}, 3, {2, 1}},
        {"past the end stays on the track", {2000, 5, 10}, 10, {5, 5}},
        {"no track", {0, 1, 10}, 0, {0, 0}},
    };
    for (const Case& row : cases)
        EXPECT_EQ(scrollThumb(row.range, row.track), row.expected) << row.name;
}

}  // namespace
}  // namespace quelta::view
