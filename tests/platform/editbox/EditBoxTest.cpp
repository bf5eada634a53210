#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "platform/editbox/EditBoxTestSupport.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

using testing::FixedMeasurerScope;
using testing::makeBox;
using testing::RecordingOwner;
using Log = std::vector<std::string>;

constexpr std::uint32_t kSingle = ES_AUTOHSCROLL;
constexpr std::uint32_t kMulti = ES_MULTILINE | ES_AUTOHSCROLL;
constexpr std::uint32_t kWrapping = ES_MULTILINE;

std::int32_t send(EditBox& box, std::uint32_t message, std::int32_t wParam) {
    return SendMessageA(box.hWnd(), message, static_cast<std::uint32_t>(wParam), 0);
}

// Every test measures with the fixed measurer and may record into the owner.
class EditBoxTest : public ::testing::Test {
protected:
    FixedMeasurerScope measurer;
    RecordingOwner owner;
};

TEST_F(EditBoxTest, KeyAsciiIsTheAnsiCodeOrTheUtf16Code) {
    auto box = makeBox(kSingle, &owner);
    box->typeText(u"\u20ac\u00e9\u263a");
    EXPECT_EQ(owner.only({"KeyPress"}),
              (Log{"KeyPress 0 128", "KeyPress 0 233", "KeyPress 0 9786"}));
    // A handler that answers with an ANSI code gets that ANSI character.
    owner.onKeyPress = [](std::int16_t& keyAscii) { keyAscii = 0x80; };
    box->typeText(u"z");
    EXPECT_EQ(box->text(), u"\u20ac\u00e9\u263a\u20ac");
}

TEST_F(EditBoxTest, TextWriteReplacesAllAndRaisesChangeBeforeReturning) {
    auto box = makeBox(kSingle, &owner, u"old");
    String seen;
    owner.onChange = [&] { seen = box->text(); };
    box->setText(u"new text");
    EXPECT_EQ(seen, u"new text");
    EXPECT_EQ(box->selStart(), 0);
    EXPECT_EQ(box->dataChanged(), kFalse);  // only the user's edits count
    box->typeText(u"x");
    EXPECT_EQ(box->dataChanged(), kTrue);
}

TEST_F(EditBoxTest, SelectionWritesClampAndRefuseNegatives) {
    auto box = makeBox(kSingle, &owner, u"hello");
    box->setSelStart(1 << 30);
    EXPECT_EQ(box->selStart(), 5);
    box->setSelStart(1);
    box->setSelLength(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(box->selLength(), 4);
    EXPECT_EQ(box->selText(), u"ello");
    EXPECT_EQ(errorNumberOf([&] { box->setSelStart(-1); }), kErrInvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { box->setSelLength(-1); }), kErrInvalidPropertyValue);
    EXPECT_EQ(box->selStart(), 1);  // a refused write changes nothing
    EXPECT_EQ(box->selLength(), 4);
    box->setSelText(u"i");
    EXPECT_EQ(box->text(), u"hi");
    EXPECT_EQ(owner.only({"Change"}), (Log{"Change 0"}));
}

TEST_F(EditBoxTest, PropertyValidation) {
    auto box = makeBox(kSingle);
    struct Case {
        const char* name;
        std::function<void()> write;
        int error;
    };
    const Case cases[] = {
        {"MaxLength -1", [&] { box->setMaxLength(-1); }, 380},
        {"MaxLength huge", [&] { box->setMaxLength(std::numeric_limits<std::int32_t>::max()); }, 0},
        {"PasswordChar two", [&] { box->setPasswordChar(u"ab"); }, 380},
        {"PasswordChar one", [&] { box->setPasswordChar(u"#"); }, 0},
        {"Font nothing", [&] { box->setFont(nullptr); }, 380},
        {"FontName empty", [&] { box->setFontName(u""); }, 380},
        {"FontSize 0", [&] { box->setFontSize(0); }, 380},
        {"Move negative width", [&] { box->move(0, 0, -1, 10); }, 380},
        {"Move NaN", [&] { box->move(std::nan(""), 0, 1, 1); }, 380},
        {"Height negative", [&] { box->setHeight(-5); }, 380},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumberOf(c.write), c.error) << c.name;
    EXPECT_EQ(std::tuple(box->maxLength(), box->passwordChar(), box->width()),
              std::tuple(std::numeric_limits<std::int32_t>::max(), String(u"#"), 1000.0))
        << "accepted values are kept, refused ones change nothing";
}

TEST_F(EditBoxTest, FontShortcutsChangeTheSharedFontInPlace) {
    auto box = makeBox(kWrapping, nullptr, u"abcdef");
    auto font = std::make_shared<Font>(u"Arial", 10.0f);
    box->setFont(font);
    EXPECT_EQ(box->rowCount(), 1);
    box->setFontBold(kTrue);  // doubles every width under the test measurer
    EXPECT_EQ(box->rowCount(), 2) << "rows must follow a font changed in place";
    font->setBold(false);
    EXPECT_EQ(box->rowCount(), 1);
}

// Rows: "abc " "defg" on a wrap, then CR LF, "hi", CR LF, and an empty last row.
TEST_F(EditBoxTest, LineMessages) {
    auto box = makeBox(kWrapping, nullptr, u"abc defghijkl\r\nhi\r\n");
    box->setWidth(1000);
    ASSERT_EQ(box->text().size(), 19u);
    EXPECT_EQ(send(*box, EM_GETLINECOUNT, 0), 4);
    struct Case {
        const char* name;
        std::uint32_t message;
        std::int32_t wParam;
        std::int32_t selStart, selLength;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"index of the wrapped row", EM_LINEINDEX, 1, 0, 0, 4},
        {"index of the empty last row", EM_LINEINDEX, 3, 0, 0, 19},
        {"index past the last row", EM_LINEINDEX, 4, 0, 0, -1},
        {"index of a negative row", EM_LINEINDEX, -2, 0, 0, -1},
        {"index -1 follows the caret, not the start", EM_LINEINDEX, -1, 1, 15, 15},
        {"length of the wrapped row", EM_LINELENGTH, 5, 0, 0, 9},
        {"length of the CR LF row", EM_LINELENGTH, 15, 0, 0, 2},
        {"length at the end", EM_LINELENGTH, 19, 0, 0, 0},
        {"length past the end", EM_LINELENGTH, 400, 0, 0, 0},
        {"length -1 counts the unselected on one row", EM_LINELENGTH, -1, 5, 3, 6},
        {"length -1 across rows", EM_LINELENGTH, -1, 2, 14, 3},
        {"row of the CR", EM_LINEFROMCHAR, 13, 0, 0, 1},
        {"row past the end", EM_LINEFROMCHAR, 1000, 0, 0, 3},
        {"row -1 is the selection start", EM_LINEFROMCHAR, -1, 5, 11, 1},
    };
    for (const Case& c : cases) {
        box->setSelStart(c.selStart);
        box->setSelLength(c.selLength);
        EXPECT_EQ(send(*box, c.message, c.wParam), c.expected) << c.name;
    }
}

TEST_F(EditBoxTest, FocusMessagesNotifyAndHideTheSelection) {
    auto hiding = makeBox(kSingle, &owner);
    auto showing = makeBox(kSingle | ES_NOHIDESEL);
    SetFocus(hiding->hWnd());
    EXPECT_TRUE(hiding->selectionVisible());
    SetFocus(showing->hWnd());
    EXPECT_FALSE(hiding->selectionVisible());
    EXPECT_TRUE(showing->selectionVisible());
    SetFocus(0);
    EXPECT_TRUE(showing->selectionVisible());
    EXPECT_EQ(owner.log, (Log{"GotFocus 0", "LostFocus 0"}));
}

// Enabling goes through the window, so the platform's own EnableWindow is seen too.
TEST_F(EditBoxTest, DisabledBoxTakesNoInputAndFollowsTheWindow) {
    auto box = makeBox(kSingle, &owner, u"abc");
    SetFocus(box->hWnd());
    owner.log.clear();
    box->setEnabled(kFalse);
    EXPECT_FALSE(IsWindowEnabled(box->hWnd()));
    EXPECT_FALSE(box->hasFocus()) << "a disabled window loses the focus";
    box->typeText(u"x");
    box->click(0, 0);
    EXPECT_EQ(box->text(), u"abc");
    EXPECT_EQ(owner.log, (Log{"LostFocus 0"}));
    EnableWindow(box->hWnd(), true);
    EXPECT_EQ(box->enabled(), kTrue);
}

// The host finds the box a queued key belongs to by the focused window; the end-to-end
// scripts send keys that way. A box gone must not be found through its old window.
TEST_F(EditBoxTest, WindowLeadsBackToItsBoxWhileTheBoxLives) {
    auto box = makeBox(kSingle);
    const WindowHandle window = box->hWnd();
    EXPECT_EQ(EditBox::fromWindow(window), box);
    box.reset();
    EXPECT_EQ(EditBox::fromWindow(window), nullptr);
}

TEST_F(EditBoxTest, MouseClicksPlaceTheCaretAndNotifyInOrder) {
    auto box = makeBox(kMulti, &owner, u"one two\r\nthree");
    box->click(340, 50);  // past the middle of the fourth character
    EXPECT_EQ(box->selStart(), 3);
    box->click(260, 250, kShiftMask);
    EXPECT_EQ(box->selStart(), 3);
    EXPECT_EQ(box->selText(), u" two\r\nthr");
    EXPECT_EQ(owner.only({"MouseDown", "MouseUp", "Click", "GotFocus"}),
              (Log{"GotFocus 0", "MouseDown 0 1 0 340 50", "MouseUp 0 1 0 340 50", "Click 0",
                   "MouseDown 0 1 1 260 250", "MouseUp 0 1 1 260 250", "Click 0"}));
    owner.log.clear();
    box->doubleClick(450, 50);
    EXPECT_EQ(box->selText(), u"two");
    EXPECT_EQ(owner.only({"MouseUp", "Click", "DblClick"}),
              (Log{"MouseUp 0 1 0 450 50", "Click 0", "DblClick 0", "MouseUp 0 1 0 450 50"}));
}

TEST_F(EditBoxTest, DraggingTheMouseSelects) {
    auto box = makeBox(kSingle, nullptr, u"abcdef");
    box->mouseDown(1, 0, 100, 10);
    box->mouseMove(1, 0, 420, 10);
    box->mouseUp(1, 0, 420, 10);
    EXPECT_EQ(box->selStart(), 1);
    EXPECT_EQ(box->selLength(), 3);
    box->mouseMove(1, 0, 600, 10);  // no button went down in the box since
    EXPECT_EQ(box->selLength(), 3);
}

TEST_F(EditBoxTest, HitTestingFollowsRowsAndAlignment) {
    auto left = makeBox(kMulti, nullptr, u"abcd\r\nef");
    auto right = makeBox(kMulti | ES_RIGHT, nullptr, u"abcd\r\nef");
    struct Case {
        double x, y;
        std::int32_t leftIndex, rightIndex;
    };
    for (Case c : {Case{149, 10, 1, 0},
                   {151, 10, 2, 0},
                   {650, 10, 4, 1},
                   {950, 250, 8, 8},
                   {860, 250, 8, 7},
                   {0, 99999, 6, 6},
                   {-50, -50, 0, 0},
                   {std::nan(""), 10, 0, 0}}) {
        EXPECT_EQ(left->hitTest(c.x, c.y), c.leftIndex) << c.x << "," << c.y;
        EXPECT_EQ(right->hitTest(c.x, c.y), c.rightIndex) << c.x << "," << c.y;
    }
}

TEST_F(EditBoxTest, WindowDestroyedFromOutsideEndsInput) {
    auto box = makeBox(kSingle, &owner, u"abc");
    ASSERT_TRUE(destroyWindow(box->hWnd()));
    EXPECT_EQ(box->hWnd(), 0u);
    box->typeText(u"x");
    EXPECT_EQ(box->text(), u"abc");
    EXPECT_TRUE(owner.log.empty());
}

// An owner may destroy the box from inside a notification; the box must stop cleanly.
TEST_F(EditBoxTest, OwnerDestroyingTheBoxInAHandlerIsSafe) {
    auto box = makeBox(kSingle, &owner);
    owner.onChange = [&] { box.reset(); };
    std::weak_ptr<EditBox> watch = box;
    auto self = box;  // what the host holds while it calls in
    box->typeText(u"ab");
    self.reset();
    EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace quelta
