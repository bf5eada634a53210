#include <gtest/gtest.h>

#include <cstring>

#include "EditBoxTestSupport.h"
#include "platform/AutomationError.h"
#include "platform/EditBoxArray.h"

namespace quelta {
namespace {

using testing::FixedMeasurerScope;
using testing::RecordingOwner;
using Log = std::vector<std::string>;

int errorOf(auto&& call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return error.number();
    }
    return 0;
}

EditBoxCreation templateCreation(EditBoxEvents* owner) {
    EditBoxCreation creation;
    creation.owner = owner;
    creation.style = ES_AUTOHSCROLL;
    creation.properties.visible = false;
    creation.properties.width = 1000;
    creation.properties.height = 400;
    creation.text = u"value";
    return creation;
}

// Patches the style of every window created while it is installed, as a creation hook
// does: the message is passed on first, then the style words are rewritten at WM_NCCREATE.
class StylePatchHook {
public:
    StylePatchHook(std::uint32_t clear, std::uint32_t set) {
        handle_ = SetWindowsHookExA(
            WH_CALLWNDPROC,
            [this, clear, set](std::int32_t code, std::uint32_t wParam, const void* lParam) {
                const std::int32_t result = CallNextHookEx(handle_, code, wParam, lParam);
                if (code < 0) return result;
                CallWindowProcRecord record;
                RtlMoveMemory(&record, lParam, sizeof record);
                if (record.message != WM_NCCREATE) return result;
                const auto style =
                    static_cast<std::uint32_t>(GetWindowLongA(record.hwnd, GWL_STYLE));
                SetWindowLongA(record.hwnd, GWL_STYLE,
                               static_cast<std::int32_t>((style & ~clear) | set));
                return result;
            },
            0, GetCurrentThreadId());
    }
    ~StylePatchHook() { UnhookWindowsHookEx(handle_); }

private:
    HookHandle handle_ = 0;
};

TEST(EditBoxArrayTest, LoadCopiesEveryPropertyButStartsInvisible) {
    FixedMeasurerScope measurer;
    EditBoxArray boxes(templateCreation(nullptr));
    HostEditBox& original = boxes[0];
    original.setMaxLength(12);
    original.setLocked(kTrue);
    original.setPasswordChar(u"*");
    original.setRightToLeft(kTrue);
    original.setBackColor(0x8000000F);
    original.setForeColor(0x00FF0000);
    original.setMousePointer(3);
    original.setOleDragMode(1);
    original.setOleDropMode(2);
    original.setHelpContextID(7);
    original.setToolTipText(u"tip");
    original.move(15, 30, 1500, 330);
    original.setFontBold(kTrue);

    boxes.load(1);
    HostEditBox& copy = boxes[1];
    EXPECT_TRUE(isWindow(copy.hWnd()));
    EXPECT_NE(copy.hWnd(), original.hWnd());
    EXPECT_EQ(copy.index(), 1);
    EXPECT_EQ(copy.visible(), kFalse);
    EXPECT_EQ(GetWindowLongA(copy.hWnd(), GWL_STYLE) & static_cast<std::int32_t>(WS_VISIBLE), 0);
    EXPECT_EQ(copy.text(), u"value");
    EXPECT_EQ(copy.maxLength(), 12);
    EXPECT_EQ(copy.locked(), kTrue);
    EXPECT_EQ(copy.passwordChar(), u"*");
    EXPECT_EQ(copy.rightToLeft(), kTrue);
    EXPECT_EQ(copy.backColor(), 0x8000000Fu);
    EXPECT_EQ(copy.foreColor(), 0x00FF0000u);
    EXPECT_EQ(copy.mousePointer(), 3);
    EXPECT_EQ(copy.oleDragMode(), 1);
    EXPECT_EQ(copy.oleDropMode(), 2);
    EXPECT_EQ(copy.helpContextID(), 7);
    EXPECT_EQ(copy.toolTipText(), u"tip");
    EXPECT_EQ(copy.left(), 15);
    EXPECT_EQ(copy.top(), 30);
    EXPECT_EQ(copy.width(), 1500);
    EXPECT_EQ(copy.height(), 330);
    // Its own font with equal attributes.
    EXPECT_NE(copy.font(), original.font());
    EXPECT_TRUE(copy.font()->sameAttributes(*original.font()));
    copy.setFontItalic(kTrue);
    EXPECT_EQ(original.fontItalic(), kFalse);
}

TEST(EditBoxArrayTest, UnloadDestroysTheElementAndItsWindow) {
    EditBoxArray boxes(templateCreation(nullptr));
    boxes.load(1);
    const WindowHandle window = boxes[1].hWnd();
    boxes.unload(1);
    EXPECT_FALSE(isWindow(window));
    EXPECT_FALSE(boxes.isLoaded(1));
    boxes.load(1);  // and again
    EXPECT_TRUE(isWindow(boxes[1].hWnd()));
}

TEST(EditBoxArrayTest, ArrayErrors) {
    EditBoxArray boxes(templateCreation(nullptr));
    EXPECT_EQ(errorOf([&] { boxes[1]; }), kErrArrayElementMissing);
    EXPECT_EQ(errorOf([&] { boxes.unload(1); }), kErrArrayElementMissing);
    EXPECT_EQ(errorOf([&] { boxes.unload(0); }), kErrCannotUnloadDesignElement);
    EXPECT_EQ(errorOf([&] { boxes.load(0); }), kErrArrayElementMissing);
    EXPECT_EQ(errorOf([&] { boxes.load(-1); }), kErrArrayElementMissing);
    EXPECT_EQ(errorOf([&] { boxes.load(40000); }), kErrArrayElementMissing);
    boxes.load(1);
    EXPECT_EQ(errorOf([&] { boxes.load(1); }), kErrObjectAlreadyLoaded);
}

// The styles come from the window after creation, so a hook decides them.
TEST(EditBoxArrayTest, CreationHookDecidesTheStyles) {
    FixedMeasurerScope measurer;
    RecordingOwner owner;
    EditBoxArray boxes(templateCreation(&owner));
    {
        StylePatchHook hook(ES_AUTOHSCROLL, ES_MULTILINE | ES_UPPERCASE);
        boxes.load(1);
    }
    HostEditBox& live = boxes[1];
    EXPECT_TRUE(live.isMultiLine());
    EXPECT_TRUE(live.wordWraps());
    live.setSelStart(5);
    live.typeText(u"ab\r\ncd");
    EXPECT_EQ(live.text(), u"valueAB\r\nCD");
    EXPECT_EQ(live.rowCount(), 2);
    // The template kept its own styles.
    HostEditBox& original = boxes[0];
    EXPECT_FALSE(original.isMultiLine());
    original.setSelStart(5);
    original.typeText(u"ab\r");
    EXPECT_EQ(original.text(), u"valueab");
    EXPECT_EQ(owner.only({"Change"}).front(), "Change 1");
}

TEST(EditBoxArrayTest, NotificationsCarryTheElementIndex) {
    FixedMeasurerScope measurer;
    RecordingOwner owner;
    EditBoxArray boxes(templateCreation(&owner));
    boxes.load(1);
    boxes[1].setText(u"x");
    boxes[0].setText(u"y");
    EXPECT_EQ(owner.log, (Log{"Change 1", "Change 0"}));
}

// Unloading the element from inside its own notification stops it without a crash.
TEST(EditBoxArrayTest, UnloadFromInsideANotification) {
    FixedMeasurerScope measurer;
    RecordingOwner owner;
    EditBoxArray boxes(templateCreation(&owner));
    boxes.load(1);
    owner.onKeyPress = [&](std::int16_t&) { boxes.unload(1); };
    auto live = boxes.element(1);
    live->typeText(u"abc");
    EXPECT_FALSE(boxes.isLoaded(1));
    EXPECT_EQ(live->text(), u"value");
    EXPECT_EQ(owner.only({"KeyPress", "KeyUp", "Change"}), Log{"KeyPress 1 97"});
}

}  // namespace
}  // namespace quelta
