// The designer's pure rules: moving and sizing in cell steps, the new control's name and
// place, and the placing of a page's widgets in cells.
#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "design/pagMainPage.h"
#include "platform/pages/PropertyPageFrame.h"
#include "terminal/DesignLayout.h"
#include "terminal/DialogView.h"

namespace quelta {
// Failures show a place as the status line does.
static void PrintTo(const TwipsRect& r, std::ostream* out) {
    *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}
}  // namespace quelta

namespace quelta::terminal {
namespace {

using quelta::testing::u8;

// A step of (columns, rows) from one place: where a move and a size by it end.
struct StepCase {
    const char* name;
    TwipsRect from;
    int columns, rows;
    TwipsRect moved, sized;
};

TEST(DesignLayoutTest, MovesAndSizesInWholeCellsWithinTheForm) {
    const CellScale scale{96, 192};
    // clang-format off
    const StepCase cases[] = {
        {"right and down", {960, 192, 1245, 525}, 1, 1, {1056, 384, 1245, 525}, {960, 192, 1341, 717}},
        {"the left edge stops a move", {60, 100, 500, 300}, -1, -1, {0, 0, 500, 300}, {60, 100, 404, 192}},
        {"never smaller than a cell", {0, 0, 100, 200}, -3, -2, {0, 0, 100, 200}, {0, 0, 96, 192}},
    };
    // clang-format on
    for (const StepCase& c : cases) {
        EXPECT_EQ(movedByCells(c.from, c.columns, c.rows, scale), c.moved) << c.name;
        EXPECT_EQ(sizedByCells(c.from, c.columns, c.rows, scale), c.sized) << c.name;
    }
}

TEST(DesignLayoutTest, ANewControlTakesAFreeNameAndGoesUnderTheOthers) {
    const std::set<String> taken = {u"txtField1", u"txtField2", u"txtField4"};
    EXPECT_EQ(u8(freshControlName([&](StringView name) { return taken.contains(String(name)); })),
              "txtField3");

    const CellScale scale;
    const TwipsRect empty = freePlace({}, 1245, 525, scale);
    EXPECT_EQ(empty.left, 2400);
    EXPECT_EQ(empty.top, 240);
    // The lowest control takes rows 3 to 5 (top 720, three rows); the leftmost starts at 1200.
    const TwipsRect below =
        freePlace({{2400, 240, 1200, 285}, {1250, 720, 600, 700}}, 1245, 525, scale);
    EXPECT_EQ(below.left, 1200);
    EXPECT_EQ(below.top, 6 * 240);
    EXPECT_EQ(below.width, 1245);
}

// The "General" page at the dialogs' scale: twips positions become cells from the client
// area's corner, and captions spill up to the next widget.
TEST(DialogViewTest, PlacesAPagesWidgetsInCells) {
    PropertyPageFrame frame;
    pagMainPage page(frame);
    auto& alignment = dynamic_cast<DropDownList&>(page.widgets().widget(u"cboAlignment"));
    alignment.setListIndex(2);
    auto& format = dynamic_cast<ComboBox&>(page.widgets().widget(u"cboFormat"));
    format.setText(u"0.00");

    const PlacedWidgets placed = placeWidgets(page.widgets(), kDialogScale, {3, 3}, &format);
    auto shown = [&](const char* name) {
        for (const WidgetView& view : placed.views)
            if (u8(view.name) == name) return view;
        ADD_FAILURE() << name;
        return WidgetView{};
    };
    // 1350, 600, 2700, 315 twips: column 15, row 3, 30 cells wide.
    EXPECT_EQ(shown("cboAlignment").rect, (CellRect{6, 18, 30, 1}));
    EXPECT_EQ(u8(shown("cboAlignment").rows[0]), "2 - Center" + std::string(19, ' ') + "▼");
    // Its box is 11 cells; the caption takes the room up to the list.
    EXPECT_EQ(u8(shown("lblMousePointer").rows[0]), "MousePointer:");
    EXPECT_EQ(u8(shown("chkHideSelection").rows[0]), "[ ] HideSelection");
    EXPECT_TRUE(shown("cboFormat").focused);
    EXPECT_EQ(placed.caret, (CellPoint{16, 22})) << "after the combo box's text";
    EXPECT_EQ(u8(shownCaption(u"Save && &Quit")), "Save & Quit");
}

}  // namespace
}  // namespace quelta::terminal
