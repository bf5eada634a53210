// What the terminal host draws for a control, built from its live edit box: cells from
// twips, alignment, masking, selection, wrapped rows and the caret.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "form/Form.h"
#include "form/FormFile.h"
#include "platform/editbox/EditBox.h"
#include "platform/region/RegionalSettings.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/FieldView.h"

namespace quelta::terminal {
namespace {

using quelta::testing::u8;

TEST(CellScaleTest, MapsTwipsToCellsAndReadsTheOption) {
    const CellScale scale;
    EXPECT_EQ(scale.columns(1245), 10);
    EXPECT_EQ(scale.columns(1), 1) << "a positive length never vanishes";
    EXPECT_EQ(scale.columns(0), 0);
    EXPECT_EQ(scale.rows(525), 2);
    EXPECT_EQ(scale.column(2400), 20);
    EXPECT_EQ(scale.row(3000), 13);

    ASSERT_TRUE(parseCellScale("96x192"));
    EXPECT_EQ(parseCellScale("96x192")->twipsPerRow, 192);
    for (const char* bad : {"", "x", "120x", "0x240", "120x240x1", "-5x9", "abc", "99999x1"})
        EXPECT_FALSE(parseCellScale(bad)) << bad;
}

class TerminalViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        selectRegion("en-US");
        setTextMeasurer(std::make_shared<CellTextMeasurer>(CellScale{}));
    }
    void TearDown() override { setTextMeasurer(nullptr); }

    // A control of `columns` x `rows` cells loaded as from a form file, borderless unless
    // `properties` (JSON members) say otherwise.
    Quelta& control(int columns, int rows, const std::string& properties) {
        const std::string text =
            R"({"format": "quelta-form", "version": 1, "controls": [{"extender": {"Name": "txt", )"
            R"("Left": 240, "Top": 240, "Width": )" +
            std::to_string(columns * 120) + R"(, "Height": )" + std::to_string(rows * 240) +
            R"(}, "properties": {)" +
            (properties.find("BorderStyle") == std::string::npos ? R"("BorderStyle": 0, )" : "") +
            properties + "}}]}";
        form_.replaceWith(parseFormFile(text, "test"), "test");
        return *form_.find(u"txt");
    }

    Form form_;
};

struct RowsCase {
    const char* name;
    int columns;
    int rows;
    std::string properties;
    std::vector<const char*> expected;
};

TEST_F(TerminalViewTest, RowsShowTheTextAlignedMaskedAndWrapped) {
    const RowsCase cases[] = {
        {"left", 6, 1, R"("Text": "12")", {"12    "}},
        {"right leaves the caret a cell", 6, 1, R"("Alignment": 1, "Text": "12")", {"   12 "}},
        {"centre", 7, 1, R"("Alignment": 2, "Text": "abc")", {"  abc  "}},
        {"masked", 6, 1, R"("PasswordChar": "*", "Text": "secret")", {"******"}},
        {"a cut text ends in a mark", 6, 1, R"("Text": "1234567")", {"12345…"}},
        {"wide characters take two cells", 5, 1, R"("Text": "日本x")", {"日本x"}},
        {"a wide character cut by the mark is a space", 3, 1, R"("Text": "a日本")", {"a …"}},
        {"word wrap leaves the caret the last column",
         11,
         3,
         R"("MultiLine": true, "WordWrap": true, "Text": "alpha beta gamma")",
         {"alpha beta ", "gamma      ", "           "}},
        {"line ends", 6, 2, R"("MultiLine": true, "Text": "ab\r\ncd")", {"ab    ", "cd    "}},
    };
    for (const RowsCase& row : cases) {
        SCOPED_TRACE(row.name);
        Quelta& made = control(row.columns, row.rows, row.properties);
        std::optional<FieldView> view = fieldView(made, CellScale{});
        ASSERT_TRUE(view);
        std::vector<std::string> shown;
        for (const DrawnRow& drawn : view->rows)
            shown.push_back(u8(drawn.text));
        EXPECT_EQ(shown, std::vector<std::string>(row.expected.begin(), row.expected.end()));
    }
}

TEST_F(TerminalViewTest, SelectionAndCaretAreInCellsOfTheScreen) {
    Quelta& made = control(8, 1, R"("Text": "日本abc")");
    form_.focus(made);
    made.letSelStart(1);
    made.letSelLength(2);  // 本a

    std::optional<FieldView> view = fieldView(made, CellScale{});
    ASSERT_TRUE(view);
    EXPECT_EQ(view->rows[0].selectedFrom, 2);
    EXPECT_EQ(view->rows[0].selectedTo, 5);
    ASSERT_TRUE(view->caret);
    EXPECT_EQ(view->caret->column, view->text.column + 5) << "the caret ends the selection";
}

TEST_F(TerminalViewTest, LongTextScrollsToKeepTheCaretInView) {
    Quelta& made = control(5, 1, R"("Text": "abcdefgh")");
    form_.focus(made);
    made.letSelStart(8);

    std::optional<FieldView> view = fieldView(made, CellScale{});
    ASSERT_TRUE(view);
    EXPECT_EQ(u8(view->rows[0].text), "efgh ");
    EXPECT_EQ(view->caret->column, view->text.column + 4);
}

TEST_F(TerminalViewTest, BordersTakeTheEdgesAndAScrollBarTheLastColumn) {
    Quelta& single = control(10, 1, R"("BorderStyle": 1)");
    std::optional<FieldView> one = fieldView(single, CellScale{});
    ASSERT_TRUE(one);
    EXPECT_NE(one->border, Border::None);
    EXPECT_EQ(one->text.width, 8);
    EXPECT_EQ(one->text.height, 1);

    Quelta& notes = control(
        10, 5,
        R"("BorderStyle": 1, "MultiLine": true, "WordWrap": true, "ScrollBars": 2, "Text": "a b")");
    std::optional<FieldView> tall = fieldView(notes, CellScale{});
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->text.height, 3);
    ASSERT_TRUE(tall->scrollBar);
    EXPECT_EQ(tall->text.width, 7);
}

// Rows that do not wrap scroll sideways together, and the bar below them shows how far.
TEST_F(TerminalViewTest, UnwrappedRowsScrollTogetherUnderAHorizontalBar) {
    Quelta& notes =
        control(6, 3, R"("MultiLine": true, "ScrollBars": 1, "Text": "abcdefghij\r\nklmnopqrst")");
    form_.focus(notes);
    notes.letSelStart(10);  // behind the j

    std::optional<FieldView> view = fieldView(notes, CellScale{});
    ASSERT_TRUE(view);
    ASSERT_TRUE(view->horizontalBar);
    EXPECT_FALSE(view->scrollBar);
    ASSERT_EQ(view->rows.size(), 2u) << "the bar takes the last row";
    EXPECT_EQ(u8(view->rows[0].text), "fghij ");
    EXPECT_EQ(u8(view->rows[1].text), "pqrst ");
    EXPECT_EQ(view->caret->column, view->text.column + 5);
    EXPECT_EQ(*view->horizontalBar, (HorizontalBar{3, 3}));
}

}  // namespace
}  // namespace quelta::terminal
