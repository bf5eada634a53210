// The status line cut to the terminal's width by whole items.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "terminal/StatusFit.h"

namespace quelta::terminal {
namespace {

using quelta::testing::u8;

struct FitCase {
    const char* name;
    int width;
    const char* expected;
};

TEST(StatusFitTest, ItemsThatDoNotFitWholeAreLeftOut) {
    const std::vector<StringView> items = {u"^S save", u"^Q quit", u"F1 about"};
    const FitCase cases[] = {
        {"uncut", 0, " txtA *  |  ^S save  ^Q quit  F1 about"},
        {"all fit exactly", 38, " txtA *  |  ^S save  ^Q quit  F1 about"},
        {"the last one goes", 37, " txtA *  |  ^S save  ^Q quit"},
        {"a first item is cut with a mark", 16, " txtA *  |  ^S \u2026"},
        {"too little room for a cut item", 14, " txtA *"},
        {"the head itself is cut", 5, " txt\u2026"},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(u8(fittedStatus(u" txtA *", items, c.width)), c.expected);
    }
}

}  // namespace
}  // namespace quelta::terminal
