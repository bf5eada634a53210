// `quelta run` without its terminal: the first focus and clicks, driven as the curses loop
// drives them.
#include <gtest/gtest.h>

#include "form/Form.h"
#include "platform/editbox/EditBox.h"
#include "platform/region/RegionalSettings.h"
#include "terminal/TerminalHost.h"

namespace quelta::terminal {
namespace {

class TerminalHostTest : public ::testing::Test {
protected:
    void SetUp() override { selectRegion("en-US"); }
    // Two borderless fields five cells wide at column 2, rows 1 and 2; the first one with
    // `properties` (JSON members).
    void load(const std::string& properties) {
        form_.replaceWith(parseFormFile(R"({"format": "quelta-form", "version": 1, "controls": [
            {"extender": {"Name": "txtA", "Left": 240, "Top": 240, "Width": 600, "Height": 240},
             "properties": {"BorderStyle": 0, )" +
                                            properties + R"(}},
            {"extender": {"Name": "txtB", "Left": 240, "Top": 480, "Width": 600, "Height": 240},
             "properties": {"BorderStyle": 0}}]})",
                                        "test"),
                          "test");
    }
    EditBox& box(const char16_t* name) { return *form_.find(name)->liveBox(); }

    Form form_;
    TerminalHost host_{form_, CellScale{}, "en-US"};
};

TEST_F(TerminalHostTest, TheFirstFocusPassesOverADisabledField) {
    load(R"("Enabled": false)");
    host_.start();
    EXPECT_FALSE(box(u"txtA").hasFocus());
    EXPECT_TRUE(box(u"txtB").hasFocus());
}

// Scrolled to its end, the field shows "efgh" from column 2: the click on the "f" puts the
// caret before it.
TEST_F(TerminalHostTest, AClickInAScrolledFieldLandsOnTheCharacterDrawnUnderIt) {
    load(R"("Text": "abcdefgh")");
    host_.start();
    box(u"txtA").setSelStart(8);
    ASSERT_EQ(host_.screen().view.fields[0].rows[0].text, u"efgh ");
    host_.click({1, 3}, false);
    EXPECT_EQ(box(u"txtA").selStart(), 5);
    EXPECT_EQ(box(u"txtA").selLength(), 0);
}

}  // namespace
}  // namespace quelta::terminal
