#include <gtest/gtest.h>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/AutomationError.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

// Whether a window created now gets patched: the patch always removes ES_AUTOHSCROLL.
bool creationIsPatched() {
    WindowHandle probe = createWindow({u"Probe", ES_AUTOHSCROLL, 0, 0, nullptr});
    bool patched = (GetWindowLongA(probe, GWL_STYLE) & ES_AUTOHSCROLL) == 0;
    destroyWindow(probe);
    return patched;
}

struct Fixture {
    RecordingContainer container;
    Quelta control{container};
    explicit Fixture(bool userMode = true) {
        container.setUserMode(userMode);
        startControl(control, nullptr);
    }
    EditBox& live() { return *control.liveBox(); }
};

TEST(RebuildEditBoxTest, NewControlIsSingleLineWithSunkenEdge) {
    Fixture f;
    EXPECT_EQ(f.live().style() & (ES_MULTILINE | WS_BORDER | ES_NOHIDESEL), 0u);
    EXPECT_NE(f.live().style() & ES_AUTOHSCROLL, 0u);
    EXPECT_EQ(f.live().exStyle() & (WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY), WS_EX_CLIENTEDGE);
}

TEST(RebuildEditBoxTest, OldPlatformLeavesTheBorderToTheFrame) {
    setPlatformVersion(3, 10);
    Fixture f;
    setPlatformVersion(6, 1);
    EXPECT_EQ(f.live().exStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(f.live().style() & WS_BORDER, 0u);
}

TEST(RebuildEditBoxTest, HookLivesOnlyDuringTheCreation) {
    Fixture f;
    EXPECT_FALSE(creationIsPatched());
    // The handle is kept, but the hook behind it is gone.
    EXPECT_NE(threadData().HookHandle, 0u);
    EXPECT_FALSE(UnhookWindowsHookEx(threadData().HookHandle));
}

TEST(RebuildEditBoxTest, RebuildCarriesOnlyTheStoredTextOver) {
    Fixture f;
    f.live().setSelStart(0);
    f.live().typeText(u"ab");
    f.live().setSelStart(1);
    f.live().setSelLength(2);
    WindowHandle before = f.live().hWnd();

    f.control.letWordWrap(kTrue);  // allowed at run time, rebuilds
    EXPECT_FALSE(isWindow(before));
    EXPECT_EQ(f.live().text(), u"abQuelta1");
    EXPECT_EQ(f.live().selStart(), 0);
    EXPECT_EQ(f.live().selLength(), 0);
    EXPECT_EQ(f.live().style() & ES_AUTOHSCROLL, 0u);
}

TEST(RebuildEditBoxTest, AlignmentEmulatesSingleLine) {
    Fixture f(false);
    f.control.letAlignment(qltaRightJustify);
    EXPECT_EQ(f.control.state().SingleLineEmulation, kTrue);
    EXPECT_EQ(f.live().style() & (ES_RIGHT | ES_MULTILINE), ES_RIGHT | ES_MULTILINE);
    f.control.letMultiLine(kTrue);
    EXPECT_EQ(f.control.state().SingleLineEmulation, kFalse);
    f.control.letAlignment(qltaLeftJustify);
    f.control.letMultiLine(kFalse);
    EXPECT_EQ(f.control.state().SingleLineEmulation, kFalse);
    EXPECT_FALSE(f.live().isMultiLine());
}

TEST(RebuildEditBoxTest, DesignTimeClipsChildrenAndKeepsTheBoxEnabled) {
    Fixture design(false);
    design.control.letEnabled(kFalse);
    EXPECT_NE(GetWindowLongA(design.container.windowHandle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    design.control.letWordWrap(kTrue);
    EXPECT_TRUE(isTrue(design.live().enabled()));

    Fixture run;
    run.control.letEnabled(kFalse);
    EXPECT_EQ(GetWindowLongA(run.container.windowHandle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    EXPECT_FALSE(isTrue(run.live().enabled()));
    run.control.letWordWrap(kTrue);
    EXPECT_FALSE(isTrue(run.live().enabled()));
    run.control.letEnabled(kTrue);
    EXPECT_TRUE(isTrue(run.live().enabled()));
}

TEST(RebuildEditBoxTest, FailedCreationLeavesNoHookAndNoLiveBox) {
    Fixture f;
    destroyWindow(f.container.windowHandle());  // the new box has no parent to live in
    EXPECT_THROW(f.control.letWordWrap(kTrue), AutomationError);
    EXPECT_EQ(f.control.state().EditBoxLoaded, kFalse);
    EXPECT_EQ(f.control.hWnd(), 0);
    EXPECT_FALSE(creationIsPatched());
}

}  // namespace
}  // namespace quelta
