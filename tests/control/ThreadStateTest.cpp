// Controls of one thread share their settings; controls of two threads share nothing, so that
// two forms on two threads never see each other's region, clock, keys or windows. Only the
// platform's version is one for the process.
#include <gtest/gtest.h>

#include <barrier>
#include <sstream>
#include <thread>

#include "TestSupport.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/container/RecordingContainer.h"
#include "platform/container/SharedInputSettings.h"
#include "platform/editbox/EditBoxTestSupport.h"
#include "platform/fonts/Font.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/format/FormatCache.h"
#include "platform/runtime/format/FormatRoutine.h"
#include "platform/window/SendKeys.h"
#include "platform/window/WindowSystem.h"

namespace quelta {
namespace {

// Thread 0 sets everything a thread may set for itself; thread 1 keeps the defaults. Each
// beeps, and thread 1 makes a window and a format, while the other's settings are in force.
TEST(ThreadStateTest, TwoThreadsWithAControlEachSeeOnlyTheirOwnState) {
    const Font font(u"DejaVu Sans", 10.0f);
    const double defaultWidth = textMeasurer().textWidth(font, u"abc");
    const std::size_t mainFormats = cachedFormatCount();
    WindowHandle boxes[2] = {};
    std::string seen[2];
    std::barrier sync(2);
    auto run = [&](int me) {
        const std::size_t formatsAtStart = cachedFormatCount();
        int hookCalls = 0, heard = 0;
        HookHandle hook = 0;
        selectRegion(me == 0 ? "de-DE" : "en-US");
        if (me == 0) {
            pinClock(36892.75);
            sharedInputSettings()->setOverType(kTrue);
            setTextMeasurer(std::make_shared<testing::FixedMeasurer>());
            setTwipsPerPixel(12.0, 12.0);
            hook = SetWindowsHookExA(
                WH_CALLWNDPROC,
                [&hookCalls](std::int32_t code, std::uint32_t wParam, const void* lParam) {
                    ++hookCalls;
                    return CallNextHookEx(0, code, wParam, lParam);
                },
                0, GetCurrentThreadId());
            setBeepListener([&heard] { ++heard; });
            sendKeys(u"x");
        }
        RecordingContainer container;
        Quelta control(container);
        startControl(control, nullptr);
        boxes[me] = control.liveBox()->hWnd();
        const int hookCallsAtStart = hookCalls;
        const std::size_t formatsBefore = cachedFormatCount();
        sync.arrive_and_wait();

        MessageBeep();
        if (me == 0) setPlatformVersion(3, 51);  // only now: controls read it when they start
        if (me == 1) {
            destroyWindow(createWindow({u"Edit", 0, 0, 0, nullptr}));
            formatValue(1234.5, u"#,##0.00 \"thread 1\"");
        }
        sync.arrive_and_wait();

        const double width = textMeasurer().textWidth(font, u"abc");
        const std::uint32_t version = GetVersion();
        std::ostringstream s;
        s << testing::u8(doubleToText(1.5) + u" " + dateToText(36891)) << "; decimal code "
          << threadData().DecimalSeparatorCode << "; clock "
          << (Now() == 36892.75 ? "pinned" : "own") << "; over-type "
          << isTrue(sharedInputSettings()->overType()) << "; width "
          << (width == defaultWidth ? "default" : std::to_string(width)) << "; twips "
          << twipsPerPixelX() << "; hooked " << (hookCallsAtStart > 0) << ", later calls "
          << hookCalls - hookCallsAtStart << "; beeps " << beepCount() << ", heard " << heard
          << "; keys " << hasKeyInput() << "; sees the other box " << isWindow(boxes[1 - me])
          << "; formats at start " << formatsAtStart << ", added "
          << cachedFormatCount() - formatsBefore << "; version " << (version & 0xFF) << "."
          << (version >> 8 & 0xFF);
        seen[me] = s.str();
        sync.arrive_and_wait();  // both boxes live until both have looked
        if (hook) UnhookWindowsHookEx(hook);
    };
    std::thread first(run, 0), second(run, 1);
    first.join();
    second.join();
    setPlatformVersion(6, 1);

    EXPECT_EQ(seen[0],
              "1,5 31.12.2000; decimal code 44; clock pinned; over-type 1; width 300.000000; "
              "twips 12; hooked 1, later calls 0; beeps 1, heard 1; keys 1; sees the other box 0; "
              "formats at start 0, added 0; version 3.51");
    EXPECT_EQ(seen[1],
              "1.5 12/31/2000; decimal code 46; clock own; over-type 0; width default; twips 15; "
              "hooked 0, later calls 0; beeps 1, heard 0; keys 0; sees the other box 0; "
              "formats at start 0, added 1; version 3.51");
    EXPECT_EQ(
        std::tuple(cachedFormatCount(), twipsPerPixelX(), textMeasurer().textWidth(font, u"abc")),
        std::tuple(mainFormats, 15.0, defaultWidth))
        << "the main thread keeps its own";
}

}  // namespace
}  // namespace quelta
