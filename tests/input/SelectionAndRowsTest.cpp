// Selection and rows as the host reads them, in a box whose characters are all 100 twips
// wide, so that the rows of wrapped text follow from the width alone.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta::testing {
namespace {

struct CellMeasurer : TextMeasurer {
    double textWidth(const Font&, StringView text) const override { return 100.0 * text.size(); }
    double lineHeight(const Font&) const override { return 200; }
};

struct SelectionAndRowsTest : ::testing::Test {
    RecordingContainer container;
    Quelta control{container};
    void SetUp() override {
        setTextMeasurer(std::make_shared<CellMeasurer>());
        startControl(control, nullptr);
    }
    void TearDown() override { setTextMeasurer(nullptr); }
    void wrapAt(float width) {
        container.setUserMode(false);
        control.letMultiLine(kTrue);
        control.letWordWrap(kTrue);
        container.setUserMode(true);
        container.setSize(width, 2000);
        control.letText(u"one two three\r\nfour");
    }
};

TEST_F(SelectionAndRowsTest, RowsFollowTheWidthOfWrappedText) {
    wrapAt(1000);  // "one two " | "three" CR LF | "four"
    control.letSelStart(4);
    control.letSelLength(12);  // from "two" into "four"; the caret ends it
    EXPECT_EQ(control.Rows(), 3);
    EXPECT_EQ(control.Row(), 1);  // the start of the selection decides
    EXPECT_EQ(control.Col(), 5);
    EXPECT_EQ(control.RowLength(2), 5);
    EXPECT_EQ(control.RowLength(0), 4);  // the caret's row
    // Past the last row: the characters outside the selection on the rows it touches.
    EXPECT_EQ(control.RowLength(4), 4 + 3);

    wrapAt(500);  // "one " | "two " | "three" CR LF | "four"
    control.letSelStart(8);
    EXPECT_EQ(control.Rows(), 4);
    EXPECT_EQ(control.Row(), 3);
    EXPECT_EQ(control.Col(), 1);
    EXPECT_EQ(control.RowLength(1), 4);
    EXPECT_EQ(errorNumberOf([&] { control.RowLength(INT32_MIN); }), 6);
}

// An equal SelStart leaves the box alone, so its selection survives; another collapses it.
TEST_F(SelectionAndRowsTest, EqualWritesLeaveTheSelectionAlone) {
    control.letText(u"abcdef");
    control.letSelStart(1);
    control.letSelLength(3);
    control.letSelStart(1);
    EXPECT_EQ(control.SelText(), u"bcd");
    control.letSelStart(2);
    EXPECT_EQ(control.SelLength(), 0);
}

}  // namespace
}  // namespace quelta::testing
