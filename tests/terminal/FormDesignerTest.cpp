// The designer driven by keys as a person would, read back from what it would draw and
// from the file it saves.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "platform/region/RegionalSettings.h"
#include "platform/window/VirtualKeys.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/FormDesigner.h"

namespace quelta::terminal {
namespace {

namespace fs = std::filesystem;
using quelta::testing::u8;

// Keys as the terminal delivers them: typed characters, and keys that type none.
DesignKey typed(char32_t character) {
    return designKeyOf(*typedKey(character));
}
DesignKey key(std::uint16_t keyCode, std::int16_t shift = 0) {
    return designKeyOf({keyCode, shift, 0});
}
const DesignKey kTab = typed(U'\t');
const DesignKey kEnter = typed(U'\r');
const DesignKey kEscape = typed(0x1B);

class FormDesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        selectRegion("en-US");
        setTextMeasurer(std::make_shared<CellTextMeasurer>(CellScale{}));
        form_.setUserMode(false);
        form_.replaceWith(parseFormFile(R"({"format": "quelta-form", "version": 1, "controls": [
            {"extender": {"Name": "txtA", "Left": 2400, "Top": 240, "Width": 1200, "Height": 285},
             "properties": {}},
            {"extender": {"Name": "txtB", "Left": 2400, "Top": 720, "Width": 1200, "Height": 285},
             "properties": {"DataType": 4}}]})",
                                        "test"),
                          "test");
        fs::create_directories(folder_);
    }
    void TearDown() override {
        setTextMeasurer(nullptr);
        fs::remove_all(folder_);
    }

    // Presses each key; false once one of them left the designer.
    bool press(FormDesigner& designer, std::initializer_list<DesignKey> keys) {
        for (const DesignKey& key : keys) {
            if (!designer.press(key)) return false;
        }
        return true;
    }

    Form form_;
    // One folder per test and process: ctest runs the tests side by side.
    fs::path folder_ = fs::temp_directory_path() /
                       ("quelta-form-designer-" + std::to_string(getpid()) + "-" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(FormDesignerTest, KeysSelectMoveSizeAddAndDeleteControls) {
    FormDesigner designer(form_, CellScale{}, "");
    EXPECT_EQ(u8(designer.selectedName()), "txtA");
    press(designer,
          {key(VK_TAB, kShiftMask), key(VK_RIGHT), key(VK_DOWN), key(VK_RIGHT, kShiftMask)});
    EXPECT_EQ(u8(designer.selectedName()), "txtB") << "Shift+Tab wraps round";
    const TwipsRect place = placeOf(*form_.find(u"txtB"));
    EXPECT_EQ((std::array{place.left, place.top, place.width}),
              (std::array{2520.f, 960.f, 1320.f}));

    DesignView view = designer.view();
    ASSERT_TRUE(view.selection);
    EXPECT_EQ(*view.selection, (CellRect{4, 20, 13, 1})) << "a cell each side of the field";
    EXPECT_NE(u8(view.screen.status).find("txtB 2520,960 1320x285 *"), std::string::npos);

    designer.click({1, 22});
    EXPECT_EQ(u8(designer.selectedName()), "txtA") << "a click selects";

    press(designer, {key(VK_INSERT)});
    EXPECT_EQ(u8(designer.selectedName()), "txtField1");
    EXPECT_EQ(placeOf(*form_.find(u"txtField1")).top, 5 * 240) << "under the lowest control";
    // Delete asks first; only y deletes, and n or Esc keep the control.
    press(designer, {key(VK_DELETE)});
    EXPECT_NE(u8(designer.view().screen.status).find("Delete txtField1"), std::string::npos);
    press(designer, {typed(U'x'), typed(U'n'), key(VK_DELETE), kEscape});
    EXPECT_EQ(form_.controls().size(), 3u);
    press(designer, {key(VK_DELETE), typed(U'y'), key(VK_DELETE), typed(U'Y')});
    EXPECT_EQ(form_.controls().size(), 1u);
    EXPECT_EQ(u8(designer.selectedName()), "txtA");
}

TEST_F(FormDesignerTest, PagesWriteThroughAndLeavingAsksToSave) {
    const std::string file = (folder_ / "form.json").string();
    FormDesigner designer(form_, CellScale{}, file);
    // General page: the second list is the alignment; Enter is OK.
    press(designer, {kTab, kEnter, kTab, key(VK_DOWN)});
    ASSERT_TRUE(designer.view().dialog);
    EXPECT_EQ(form_.find(u"txtB")->Alignment(), 0) << "nothing is written before OK";
    press(designer, {kEnter});
    EXPECT_FALSE(designer.view().dialog);
    EXPECT_EQ(form_.find(u"txtB")->Alignment(), 1);

    // A value the control refuses keeps the dialog open with the error.
    press(designer, {kEnter, key(VK_NEXT), kTab, typed(0x7F), typed(U'-'), typed(U'5'), kEnter});
    ASSERT_TRUE(designer.view().dialog);
    EXPECT_EQ(u8(designer.view().dialog->message).substr(0, 10), "Error 380:");
    // Clicks tick a check box (MultiLine at row 3, column 51 of the General page) and
    // press Cancel, which writes nothing.
    press(designer, {key(VK_PRIOR)});
    designer.click({3, 52});
    EXPECT_EQ(u8(designer.view().dialog->widgets[14].rows[0]).substr(0, 3), "[x]");
    const WidgetView cancel = designer.view().dialog->widgets.back();
    designer.click({cancel.rect.row, cancel.rect.column});
    EXPECT_FALSE(designer.view().dialog);
    EXPECT_FALSE(isTrue(form_.find(u"txtB")->MultiLine()));

    // The text box edits as an edit box: Home, Right, a character above U+FFFF that
    // Backspace takes whole, and Delete of the one character after the caret.
    press(designer, {kEnter, key(VK_NEXT), typed(U'a'), key(VK_HOME)});
    press(designer, {key(VK_RIGHT), typed(U'\U0001F600'), typed(0x08), key(VK_DELETE)});
    EXPECT_EQ(u8(designer.view().dialog->widgets[1].rows[0]).substr(0, 3), "0  ") << "txtText";
    EXPECT_EQ(
        designer.view().dialog->caret->column - designer.view().dialog->widgets[1].rect.column, 1);
    press(designer, {kEscape});

    // Leaving asks; Esc stays, y saves and leaves.
    EXPECT_TRUE(press(designer, {typed(0x11)}));
    EXPECT_NE(u8(designer.view().screen.status).find("Save changes?"), std::string::npos);
    EXPECT_TRUE(press(designer, {kEscape}));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(press(designer, {key(VK_F1 + 9), typed(U'y')}));
    const StoredForm saved = loadFormFile(file);
    EXPECT_EQ(saved.controls[1].properties.read(u"Alignment").toLong(), 1);
    EXPECT_FALSE(designer.modified());
}

}  // namespace
}  // namespace quelta::terminal
