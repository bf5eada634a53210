#pragma once
// The window system the control lives in: windows with 32-bit handles and style words,
// per-thread message hooks, focus, a keyboard input queue and the warning beep. Windows
// belong to the thread that created them; a handle of another thread, or of a destroyed
// window, is invalid on this one, and calls with an invalid handle fail as the platform's
// do (0 results) rather than crash.

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/String.h"

namespace quelta {

using WindowHandle = std::uint32_t;
using HookHandle = std::uint32_t;

// Messages.
inline constexpr std::uint32_t WM_CREATE = 0x0001;
inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_SETFOCUS = 0x0007;
inline constexpr std::uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr std::uint32_t WM_ENABLE = 0x000A;
inline constexpr std::uint32_t WM_NCCREATE = 0x0081;
inline constexpr std::uint32_t WM_NCDESTROY = 0x0082;
inline constexpr std::uint32_t EM_GETLINECOUNT = 0x00BA;
inline constexpr std::uint32_t EM_LINEINDEX = 0x00BB;
inline constexpr std::uint32_t EM_LINELENGTH = 0x00C1;
inline constexpr std::uint32_t EM_LINEFROMCHAR = 0x00C9;

// Window styles, edit-control styles and extended styles.
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t ES_LEFT = 0x0000;
inline constexpr std::uint32_t ES_CENTER = 0x0001;
inline constexpr std::uint32_t ES_RIGHT = 0x0002;
inline constexpr std::uint32_t ES_MULTILINE = 0x0004;
inline constexpr std::uint32_t ES_UPPERCASE = 0x0008;
inline constexpr std::uint32_t ES_LOWERCASE = 0x0010;
inline constexpr std::uint32_t ES_PASSWORD = 0x0020;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
inline constexpr std::uint32_t ES_NOHIDESEL = 0x0100;
inline constexpr std::uint32_t ES_READONLY = 0x0800;
inline constexpr std::uint32_t WS_EX_NOPARENTNOTIFY = 0x0004;
inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x0200;

inline constexpr std::int32_t GWL_STYLE = -16;
inline constexpr std::int32_t GWL_EXSTYLE = -20;
inline constexpr std::int32_t WH_CALLWNDPROC = 4;

// The record a WH_CALLWNDPROC hook receives through its lParam pointer: 16 bytes, each
// field 32 bits, in this order.
struct CallWindowProcRecord {
    std::int32_t lParam;
    std::uint32_t wParam;
    std::uint32_t message;
    std::uint32_t hwnd;
};
static_assert(sizeof(CallWindowProcRecord) == 16);

// A hook procedure: code, wParam and a pointer to the record; returns what the chain
// returned (or its own verdict).
using HookProc =
    std::function<std::int32_t(std::int32_t code, std::uint32_t wParam, const void* lParam)>;

// What a window does with the messages sent to it. A window without a procedure answers
// WM_NCCREATE with 1 and everything else with 0.
class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;
    virtual std::int32_t windowProc(WindowHandle window, std::uint32_t message,
                                    std::uint32_t wParam, std::int32_t lParam) = 0;
};

struct WindowCreation {
    std::u16string className;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    WindowHandle parent = 0;
    WindowProcedure* procedure = nullptr;  // not owned; must outlive the window
};

// Creates a window on the current thread. Sends WM_NCCREATE (through the thread's hooks
// first, so that a hook can patch the style words before the window reads them), then
// WM_CREATE; both carry lParam 0. Returns 0 when the parent is not a window of this thread
// or is being destroyed,
// when the window's procedure refuses WM_NCCREATE (answers 0) or WM_CREATE (answers -1), or
// when a handler destroyed the window during its creation. An exception thrown by the
// procedure during creation removes the window and reaches the caller.
WindowHandle createWindow(const WindowCreation& creation);

// Destroys a window: takes the focus away first if it or one of its children has it
// (WM_KILLFOCUS, after which no window has the focus), then sends WM_DESTROY, destroys the
// children, and sends WM_NCDESTROY. Its handle is invalid afterwards. Safe to call from any
// of the window's own message handlers; a second call while the destruction runs does
// nothing. A handler that throws still leaves the window and its children destroyed; the
// exception then reaches the caller. Returns false for an invalid handle.
bool destroyWindow(WindowHandle window);

bool isWindow(WindowHandle window);
WindowHandle GetParent(WindowHandle window);  // 0 for a top-level or invalid window
// The procedure a window was created with; null for a window without one or an invalid handle.
WindowProcedure* windowProcedure(WindowHandle window);

// Sets or clears WS_DISABLED and sends WM_ENABLE (wParam 1 enabled, 0 disabled) when the
// state changes; disabling the window that has the focus removes the focus. Returns whether
// the window was disabled before (false for an invalid handle).
bool EnableWindow(WindowHandle window, bool enable);
bool IsWindowEnabled(WindowHandle window);

// The platform's calls, with the platform's names and semantics.
std::uint32_t GetVersion();
// A number for the calling thread, never 0 and never the same for two threads.
std::uint32_t GetCurrentThreadId();
// GWL_STYLE and GWL_EXSTYLE only; any other index, or an invalid handle, gives 0.
// SetWindowLongA returns the previous value and changes nothing when it gives 0 for failure.
std::int32_t GetWindowLongA(WindowHandle window, std::int32_t index);
std::int32_t SetWindowLongA(WindowHandle window, std::int32_t index, std::int32_t newLong);
// Installs a hook that sees every message sent to a window of the calling thread (code 0,
// wParam 1 for "sent by the current thread", lParam pointing to a CallWindowProcRecord)
// before the window does. The newest hook is called first and passes the message on with
// CallNextHookEx. Returns 0 for another id than WH_CALLWNDPROC, an empty procedure, or a
// thread id other than the caller's (hooks for other threads or for all threads are not
// supported). A message sent while the thread's hook chain is running, for example by a hook
// itself, reaches its window without passing the hooks again.
HookHandle SetWindowsHookExA(std::int32_t idHook, HookProc procedure, std::uint32_t module,
                             std::uint32_t threadId);
// Calls the next hook of the chain that is running and returns its result, 0 at the end of
// the chain or outside a hook. As on the platform the position comes from the running chain,
// not from the handle, so a hook that unhooked itself can still pass the message on.
std::int32_t CallNextHookEx(HookHandle hook, std::int32_t code, std::uint32_t wParam,
                            const void* lParam);
// Removes a hook of the calling thread; it is never called again, even by a chain that is
// running. Returns false for an unknown handle or one of another thread.
bool UnhookWindowsHookEx(HookHandle hook);
// Sends a message to a window of this thread and returns its procedure's answer; 0 for an
// invalid handle. Messages nested deeper than a few hundred levels are dropped (answer 0).
std::int32_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                          std::int32_t lParam);
// Copies length bytes (the ranges may overlap). A null pointer with a non-zero length raises
// error 5 instead of faulting.
void RtlMoveMemory(void* destination, const void* source, std::size_t length);
// Moves the keyboard focus: WM_KILLFOCUS to the old window (wParam the new one), then
// WM_SETFOCUS to the new one (wParam the old one); GetFocus already reports the new window
// during both. SetFocus(0) removes the focus. A disabled, invalid or dying window cannot
// take the focus: the call returns 0 and nothing changes. Otherwise returns the window that
// had the focus (0 if none).
WindowHandle SetFocus(WindowHandle window);
WindowHandle GetFocus();

// The platform version that GetVersion reports (major in the low byte, minor in the next).
// Hosts and tests set it to exercise older platforms; the default is 6.1. It is one value for
// the whole process. A part outside 0..255 raises error 5.
void setPlatformVersion(int major, int minor = 0);

// A key as it travels through the keyboard input queue.
struct KeyInput {
    enum class Kind { KeyDown, Character, KeyUp };
    Kind kind = Kind::KeyDown;
    std::uint16_t keyCode = 0;  // virtual-key code for KeyDown/KeyUp
    char16_t character = 0;     // for Character
    std::int16_t shift = 0;     // 1 Shift, 2 Ctrl, 4 Alt
};

// The current thread's keyboard input queue: keystroke sending fills it without waiting,
// and the host drains it and delivers each key to the focused window.
void postKeyInput(const KeyInput& input);
std::optional<KeyInput> takeKeyInput();
bool hasKeyInput();

// The standard warning beep. Hosts observe it through a listener (one per thread);
// beepCount() counts the beeps of this thread.
void MessageBeep();
void setBeepListener(std::function<void()> listener);
int beepCount();

}  // namespace quelta
