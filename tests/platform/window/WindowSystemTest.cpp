#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/AutomationError.h"
#include "platform/window/WindowSystem.h"

namespace quelta {
namespace {

struct Delivered {
    WindowHandle window;
    std::uint32_t message;
    std::uint32_t wParam;
    friend bool operator==(const Delivered&, const Delivered&) = default;
};

// A window procedure that records what it receives and can be told how to answer, or what
// to do, for one message.
class RecordingProcedure : public WindowProcedure {
public:
    std::int32_t windowProc(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                            std::int32_t /*lParam*/) override {
        received.push_back({window, message, wParam});
        if (onMessage && message == actionMessage) onMessage(window);
        if (message == answeredMessage) return answer;
        return message == WM_NCCREATE ? 1 : 0;
    }

    std::vector<std::uint32_t> messages() const {
        std::vector<std::uint32_t> result;
        for (const auto& d : received)
            result.push_back(d.message);
        return result;
    }

    std::vector<Delivered> received;
    std::uint32_t answeredMessage = 0xFFFFFFFF;
    std::int32_t answer = 0;
    std::uint32_t actionMessage = 0xFFFFFFFF;
    std::function<void(WindowHandle)> onMessage;
    // Runs the action whenever the message arrives.
    void on(std::uint32_t message, std::function<void(WindowHandle)> action) {
        actionMessage = message;
        onMessage = std::move(action);
    }
};

WindowHandle makeWindow(RecordingProcedure* procedure, std::uint32_t style = 0,
                        WindowHandle parent = 0) {
    return createWindow({u"Edit", style, 0, parent, procedure});
}

// Installs a message hook for the current thread.
HookHandle hookThisThread(HookProc procedure) {
    return SetWindowsHookExA(WH_CALLWNDPROC, std::move(procedure), 0, GetCurrentThreadId());
}

// Installs a hook for the current thread that ORs its bits into the style word at
// WM_NCCREATE after passing the message on.
HookHandle installStyleHook(std::uint32_t bits) {
    auto handle = std::make_shared<HookHandle>(0);
    *handle =
        hookThisThread([bits, handle](std::int32_t code, std::uint32_t wParam, const void* lParam) {
            const std::int32_t next = CallNextHookEx(*handle, code, wParam, lParam);
            CallWindowProcRecord record;
            RtlMoveMemory(&record, lParam, sizeof record);
            if (code == 0 && record.message == WM_NCCREATE) {
                const auto style = GetWindowLongA(record.hwnd, GWL_STYLE);
                SetWindowLongA(record.hwnd, GWL_STYLE, style | static_cast<std::int32_t>(bits));
            }
            return next;
        });
    return *handle;
}

// Removes the focus and the windows a test made, so that the next test starts clean.
class WindowSystemTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetFocus(0);
        for (WindowHandle w : windows)
            destroyWindow(w);
    }
    WindowHandle track(WindowHandle w) {
        windows.push_back(w);
        return w;
    }
    // Procedures live in the fixture so that they outlive the windows TearDown destroys.
    RecordingProcedure& newProcedure() { return procedures.emplace_back(); }
    // A window of this test with a recording procedure of its own.
    std::pair<WindowHandle, RecordingProcedure*> open(std::uint32_t style = 0,
                                                      WindowHandle parent = 0) {
        RecordingProcedure& procedure = newProcedure();
        return {track(makeWindow(&procedure, style, parent)), &procedure};
    }
    std::vector<WindowHandle> windows;
    std::deque<RecordingProcedure> procedures;
};

TEST_F(WindowSystemTest, RefusedCreationGivesNoWindow) {
    struct Case {
        const char* name;
        std::uint32_t message;
        std::int32_t answer;
    };
    for (Case c :
         {Case{"NcCreate answers 0", WM_NCCREATE, 0}, {"Create answers -1", WM_CREATE, -1}}) {
        RecordingProcedure& procedure = newProcedure();
        procedure.answeredMessage = c.message;
        procedure.answer = c.answer;
        EXPECT_EQ(makeWindow(&procedure), 0u) << c.name;
    }
    RecordingProcedure& child = newProcedure();
    EXPECT_EQ(makeWindow(&child, WS_CHILD, 0xDEADBEEF), 0u) << "invalid parent";
    EXPECT_TRUE(child.received.empty());
}

TEST_F(WindowSystemTest, InvalidHandlesAndIndexesFailQuietly) {
    auto [w, procedure] = open(WS_VISIBLE);
    EXPECT_EQ(SetWindowLongA(w, GWL_EXSTYLE, 3), 0) << "a write answers the previous value";
    EXPECT_EQ(GetWindowLongA(w, GWL_EXSTYLE), 3) << "the extended style is a word of its own";
    const WindowHandle invalid[] = {0, 1, 0xFFFFFFFF, w + 1000000};
    for (WindowHandle bad : invalid) {
        EXPECT_FALSE(isWindow(bad)) << bad;
        EXPECT_EQ(SendMessageA(bad, WM_CREATE, 0, 0), 0) << bad;
        EXPECT_EQ(GetWindowLongA(bad, GWL_STYLE), 0) << bad;
        EXPECT_EQ(SetWindowLongA(bad, GWL_STYLE, 5), 0) << bad;
        EXPECT_FALSE(destroyWindow(bad)) << bad;
        EXPECT_EQ(SetFocus(bad), 0u) << bad;
        EXPECT_FALSE(EnableWindow(bad, false)) << bad;
    }
    for (std::int32_t index : {0, -4, -21, 1000}) {
        EXPECT_EQ(GetWindowLongA(w, index), 0) << index;
        EXPECT_EQ(SetWindowLongA(w, index, 7), 0) << index;
    }
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), static_cast<std::int32_t>(WS_VISIBLE));
}

TEST_F(WindowSystemTest, InstallationIsRefusedForWrongArguments) {
    HookProc passOn = [](std::int32_t, std::uint32_t, const void*) { return 0; };
    const std::uint32_t self = GetCurrentThreadId();
    struct Case {
        const char* name;
        std::int32_t id;
        bool withProcedure;
        std::uint32_t thread;
    };
    for (Case c : {Case{"keyboard hook id", 2, true, self},
                   {"null procedure", WH_CALLWNDPROC, false, self},
                   {"all threads", WH_CALLWNDPROC, true, 0},
                   {"another thread", WH_CALLWNDPROC, true, self + 1}}) {
        EXPECT_EQ(SetWindowsHookExA(c.id, c.withProcedure ? passOn : HookProc{}, 0, c.thread), 0u)
            << c.name;
    }
    EXPECT_FALSE(UnhookWindowsHookEx(0));
}

// The newest hook runs first; each sees what the older ones returned through CallNextHookEx.
TEST_F(WindowSystemTest, ChainCallsNewestFirstAndPassesResultsBack) {
    std::vector<int> calls;
    std::vector<std::int32_t> nextResults;
    auto makeHook = [&](int id, std::int32_t own) {
        return hookThisThread(
            [&, id, own](std::int32_t code, std::uint32_t wParam, const void* lParam) {
                calls.push_back(id);
                nextResults.push_back(CallNextHookEx(0, code, wParam, lParam));
                return own;
            });
    };
    HookHandle first = makeHook(1, 100);
    HookHandle second = makeHook(2, 200);
    HookHandle third = makeHook(3, 300);
    WindowHandle w = track(createWindow({u"Edit", 0, 0, 0, nullptr}));
    calls.clear();
    nextResults.clear();
    SendMessageA(w, 0x400, 0, 0);
    EXPECT_EQ(calls, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(nextResults, (std::vector<std::int32_t>{0, 100, 200}));
    for (HookHandle hook : {first, second, third})
        UnhookWindowsHookEx(hook);
    EXPECT_EQ(CallNextHookEx(0, 0, 0, nullptr), 0) << "outside a hook there is no next hook";
}

// A hook may remove itself and an older one while the chain runs: the running call survives,
// passes the message on, and the removed hooks are not called again.
TEST_F(WindowSystemTest, HooksRemovedWhileTheChainRunsAreSkipped) {
    HookHandle bottom = installStyleHook(WS_HSCROLL);
    HookHandle middle = installStyleHook(WS_VSCROLL);
    auto self = std::make_shared<HookHandle>(0);
    int calls = 0;
    *self = hookThisThread(
        [&calls, self, middle](std::int32_t code, std::uint32_t wParam, const void* lParam) {
            ++calls;
            UnhookWindowsHookEx(*self);
            UnhookWindowsHookEx(middle);
            return CallNextHookEx(*self, code, wParam, lParam);
        });
    WindowHandle w = track(createWindow({u"Edit", 0, 0, 0, nullptr}));
    UnhookWindowsHookEx(bottom);
    EXPECT_EQ(calls, 1) << "a removed hook was called again";
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), static_cast<std::int32_t>(WS_HSCROLL));
}

// A removed hook's place serves the next installation: the old handle stays dead and the
// new hook runs its own procedure, not the old one.
TEST_F(WindowSystemTest, HookInstalledAfterARemovalRunsItsOwnProcedure) {
    HookHandle first = installStyleHook(WS_HSCROLL);
    ASSERT_TRUE(UnhookWindowsHookEx(first));
    HookHandle second = installStyleHook(WS_VSCROLL);
    WindowHandle w = track(createWindow({u"Edit", 0, 0, 0, nullptr}));
    EXPECT_NE(second, first);
    EXPECT_FALSE(UnhookWindowsHookEx(first));
    EXPECT_TRUE(UnhookWindowsHookEx(second));
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), static_cast<std::int32_t>(WS_VSCROLL));
}

// Destroying a parent destroys the children it still has, in the order they were created,
// whichever of them left before.
TEST_F(WindowSystemTest, ParentDestroysItsRemainingChildrenInCreationOrder) {
    const WindowHandle parent = open().first;
    std::vector<WindowHandle> destroyed;
    std::vector<WindowHandle> children;
    for (int i = 0; i < 4; ++i) {
        RecordingProcedure& procedure = newProcedure();
        procedure.on(WM_DESTROY, [&destroyed](WindowHandle w) { destroyed.push_back(w); });
        children.push_back(makeWindow(&procedure, WS_CHILD, parent));
    }
    destroyWindow(children[1]);
    destroyWindow(children[3]);
    destroyed.clear();
    destroyWindow(parent);
    EXPECT_EQ(destroyed, (std::vector<WindowHandle>{children[0], children[2]}));
    for (WindowHandle child : children)
        EXPECT_FALSE(isWindow(child));
}

// A hook that sends messages itself must not be shown them again, or it would recurse.
TEST_F(WindowSystemTest, MessagesSentByAHookSkipTheHooks) {
    std::vector<std::uint32_t> hookSaw;
    HookHandle hook =
        hookThisThread([&hookSaw](std::int32_t code, std::uint32_t wParam, const void* lParam) {
            const auto* record = static_cast<const CallWindowProcRecord*>(lParam);
            hookSaw.push_back(record->message);
            SendMessageA(record->hwnd, 0x601, 0, 0);
            return CallNextHookEx(0, code, wParam, lParam);
        });
    auto [w, procedure] = open();
    hookSaw.clear();
    procedure->received.clear();
    SendMessageA(w, 0x600, 0, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(hookSaw, (std::vector<std::uint32_t>{0x600}));
    EXPECT_EQ(procedure->messages(), (std::vector<std::uint32_t>{0x601, 0x600}));
}

TEST_F(WindowSystemTest, FocusMovesWithNotificationsInOrder) {
    RecordingProcedure& both = newProcedure();
    std::vector<WindowHandle> focusAtSetFocus;
    both.on(WM_SETFOCUS, [&](WindowHandle) { focusAtSetFocus.push_back(GetFocus()); });
    WindowHandle a = track(makeWindow(&both));
    WindowHandle b = track(makeWindow(&both));
    both.received.clear();
    EXPECT_EQ(SetFocus(a), 0u);
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(SetFocus(b), b) << "refocusing returns the window and sends nothing";
    EXPECT_EQ(SetFocus(0), b);
    EXPECT_EQ(GetFocus(), 0u);
    EXPECT_EQ(
        both.received,
        (std::vector<Delivered>{
            {a, WM_SETFOCUS, 0}, {a, WM_KILLFOCUS, b}, {b, WM_SETFOCUS, a}, {b, WM_KILLFOCUS, 0}}));
    EXPECT_EQ(focusAtSetFocus, (std::vector<WindowHandle>{a, b})) << "focus moves before notifying";
}

TEST_F(WindowSystemTest, DisabledWindowsCannotTakeTheFocus) {
    auto [enabled, procedure] = open();
    WindowHandle disabled = track(makeWindow(procedure, WS_DISABLED));
    SetFocus(enabled);
    procedure->received.clear();
    EXPECT_EQ(SetFocus(disabled), 0u);
    EXPECT_EQ(GetFocus(), enabled);
    EXPECT_TRUE(procedure->received.empty());

    // That disabling takes the focus away is the edit box tests' to see.
    EXPECT_FALSE(EnableWindow(enabled, false)) << "it was enabled before";
    EXPECT_TRUE(EnableWindow(enabled, true)) << "it was disabled before";
}

TEST_F(WindowSystemTest, KillFocusHandlerMayRedirectTheFocus) {
    auto [a, first] = open();
    auto [b, second] = open();
    auto [c, third] = open();
    SetFocus(a);
    first->on(WM_KILLFOCUS, [c](WindowHandle) { SetFocus(c); });
    SetFocus(b);
    first->onMessage = nullptr;
    EXPECT_EQ(GetFocus(), c);
    for (const auto& d : second->received)
        EXPECT_NE(d.message, WM_SETFOCUS);
}

TEST_F(WindowSystemTest, DestroyingTheFocusedWindowRemovesFocusFirst) {
    auto [parent, parentProcedure] = open();
    auto [child, childProcedure] = open(WS_CHILD, parent);
    ASSERT_EQ(GetParent(child), parent);
    SetFocus(child);
    parentProcedure->received.clear();
    childProcedure->received.clear();
    EXPECT_TRUE(destroyWindow(parent));
    EXPECT_EQ(GetFocus(), 0u);
    EXPECT_FALSE(isWindow(child)) << "children go with their parent";
    EXPECT_EQ(childProcedure->messages(),
              (std::vector<std::uint32_t>{WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(parentProcedure->messages(), (std::vector<std::uint32_t>{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(destroyWindow(parent));
}

TEST_F(WindowSystemTest, DestroyFromInsideAHandlerIsSafe) {
    struct Case {
        const char* name;
        std::uint32_t trigger;
    };
    for (Case c : {Case{"own custom message", 0x401},
                   {"own WM_DESTROY", WM_DESTROY},
                   {"own WM_SETFOCUS", WM_SETFOCUS},
                   {"own WM_NCCREATE", WM_NCCREATE}}) {
        auto procedure = std::make_unique<RecordingProcedure>();
        procedure->on(c.trigger, [](WindowHandle w) { destroyWindow(w); });
        WindowHandle w = makeWindow(procedure.get());
        if (c.trigger == WM_NCCREATE) {
            EXPECT_EQ(w, 0u) << c.name;
        } else {
            SendMessageA(w, 0x401, 0, 0);
            SetFocus(w);
            destroyWindow(w);
        }
        EXPECT_FALSE(isWindow(w)) << c.name;
        EXPECT_EQ(GetFocus(), 0u) << c.name;
        int destroys = 0;
        for (auto m : procedure->messages())
            destroys += m == WM_NCDESTROY;
        EXPECT_LE(destroys, 1) << c.name;
    }
}

TEST_F(WindowSystemTest, DyingWindowTakesNoNewChildren) {
    RecordingProcedure& procedure = newProcedure();
    WindowHandle child = 1;
    procedure.on(WM_NCDESTROY, [&child](WindowHandle dying) {
        child = createWindow({u"Edit", WS_CHILD, 0, dying, nullptr});
    });
    destroyWindow(makeWindow(&procedure));
    EXPECT_EQ(child, 0u);
}

TEST_F(WindowSystemTest, ProcedureSendingToItselfForeverIsCutOff) {
    auto [w, procedure] = open();
    procedure->on(0x500, [](WindowHandle self) { SendMessageA(self, 0x500, 0, 0); });
    EXPECT_EQ(SendMessageA(w, 0x500, 0, 0), 0);
    EXPECT_GT(procedure->received.size(), 10u);
}

TEST_F(WindowSystemTest, ThrowingProcedureDuringCreationLeavesNoWindow) {
    RecordingProcedure& procedure = newProcedure();
    WindowHandle created = 0;
    procedure.on(WM_CREATE, [&created](WindowHandle w) {
        created = w;
        raiseError(kErrOutOfMemory);
    });
    EXPECT_THROW(makeWindow(&procedure), AutomationError);
    EXPECT_FALSE(isWindow(created));
}

TEST_F(WindowSystemTest, ThrowingProcedureDuringDestructionStillDestroys) {
    auto [parent, parentProcedure] = open();
    parentProcedure->on(WM_DESTROY, [](WindowHandle) { raiseError(kErrOutOfMemory); });
    auto [child, childProcedure] = open(WS_CHILD, parent);
    SetFocus(child);
    EXPECT_THROW(destroyWindow(parent), AutomationError);
    EXPECT_FALSE(isWindow(parent));
    EXPECT_FALSE(isWindow(child));
    EXPECT_EQ(GetFocus(), 0u);
}

TEST(PlatformVersionTest, LowByteIsMajorNextIsMinor) {
    EXPECT_EQ(GetVersion() & 0xFFFF, 6u | (1u << 8)) << "the default is 6.1";
    setPlatformVersion(3, 51);
    for (auto [major, minor] : {std::pair{-1, 0}, {256, 0}, {4, -1}, {4, 256}}) {
        EXPECT_THROW(setPlatformVersion(major, minor), AutomationError) << major << "." << minor;
    }
    EXPECT_EQ(GetVersion() & 0xFFFF, 3u | (51u << 8)) << "a refused version changes nothing";
    setPlatformVersion(6, 1);
}

// A listener may remove itself while it runs; beeps are counted with or without one.
TEST(BeepTest, ListenerMayRemoveItself) {
    int heard = 0;
    const int before = beepCount();
    setBeepListener([&heard] {
        ++heard;
        setBeepListener(nullptr);
    });
    MessageBeep();
    MessageBeep();
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(beepCount() - before, 2);
}

}  // namespace
}  // namespace quelta
