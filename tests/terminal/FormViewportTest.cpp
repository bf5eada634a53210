// Which part of the form a small terminal shows.
#include <gtest/gtest.h>

#include "terminal/FormViewport.h"

namespace quelta::terminal {
namespace {

struct OffsetCase {
    const char* name;
    int offset, from, to, room, extent;
    int expected;
};

TEST(FormViewportTest, TheOffsetMovesOnlyAsFarAsTheSpanNeeds) {
    const OffsetCase cases[] = {
        {"in view: stays", 2, 4, 6, 10, 30, 2},
        {"below: its end comes to the last row", 0, 12, 18, 10, 30, 8},
        {"above: its start comes to the first row", 8, 3, 5, 10, 30, 3},
        {"longer than the room: its start wins", 0, 12, 25, 10, 30, 12},
        {"a grown screen shows the form from its start", 8, 9, 10, 20, 25, 5},
        {"the whole form fits", 3, 4, 5, 40, 25, 0},
        {"no room at all", 3, 7, 9, 0, 25, 7},
    };
    for (const OffsetCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(scrollOffset(c.offset, c.from, c.to, c.room, c.extent), c.expected);
    }
}

TEST(FormViewportTest, ThePaneTakesWhatTheFocusedFieldLeaves) {
    EXPECT_EQ(paneRows(30, 6, 8), 8);
    EXPECT_EQ(paneRows(12, 6, 8), 5);
    EXPECT_EQ(paneRows(9, 6, 8), 2);
    EXPECT_EQ(paneRows(8, 6, 8), 0) << "a title without a line is no pane";
}

TEST(FormViewportTest, TheNeededSizeIsTheLargestFieldAndTheStatusLine) {
    FieldView tall;
    tall.frame = {20, 40, 10, 6};
    FieldView wide;
    wide.frame = {0, 0, 35, 1};
    EXPECT_EQ(neededSize({tall, wide}), (CellSize{7, 35}));
    EXPECT_EQ(neededSize({}), (CellSize{1, 1}));
}

}  // namespace
}  // namespace quelta::terminal
