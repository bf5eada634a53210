// The rules that fit a form to the terminal: which part is shown, how rows follow the
// form's line spacing, and how the status line is cut.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "terminal/FormViewport.h"
#include "terminal/StatusFit.h"

namespace quelta::terminal {
namespace {

using quelta::testing::u8;

TEST(ScreenFitTest, TheOffsetMovesOnlyAsFarAsTheFocusedSpanNeeds) {
    struct {
        const char* name;
        int offset, from, to, room, extent, expected;
    } const cases[] = {
        {"in view: stays", 2, 4, 6, 10, 30, 2},
        {"below: its end comes to the last row", 0, 12, 18, 10, 30, 8},
        {"above: its start comes to the first row", 8, 3, 5, 10, 30, 3},
        {"longer than the room: its start wins", 0, 12, 25, 10, 30, 12},
        {"a grown screen shows more of the form", 8, 9, 10, 20, 25, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(scrollOffset(c.offset, c.from, c.to, c.room, c.extent), c.expected);
    }
}

TEST(ScreenFitTest, RowsFollowTheFormsLineSpacing) {
    EXPECT_EQ(evenRows({96, 192}, {240, 480, 720, 3000}).twipsPerRow, 240);
    EXPECT_EQ(evenRows({96, 100}, {480, 240, 720}).twipsPerRow, 120) << "two rows a line";
    EXPECT_EQ(evenRows({96, 192}, {240, 250}).twipsPerRow, 192) << "no row near the pitch";
}

TEST(ScreenFitTest, TheStatusLineKeepsWholeItems) {
    const std::vector<StringView> items = {u"^S save", u"^Q quit", u"F1 about"};
    EXPECT_EQ(u8(fittedStatus(u" txtA *", items, 38)), " txtA *  |  ^S save  ^Q quit  F1 about");
    EXPECT_EQ(u8(fittedStatus(u" txtA *", items, 37)), " txtA *  |  ^S save  ^Q quit");
    EXPECT_EQ(u8(fittedStatus(u" txtA *", items, 16)), " txtA *  |  ^S \u2026");
    EXPECT_EQ(u8(fittedStatus(u" txtA *", items, 5)), " txt\u2026");
}

}  // namespace
}  // namespace quelta::terminal
