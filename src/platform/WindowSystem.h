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
using HookProc = std::function<std::int32_t(std::int32_t code, std::uint32_t wParam,
                                            const void* lParam)>;

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
// WM_CREATE. Returns 0 when the window's procedure refuses WM_NCCREATE.
WindowHandle createWindow(const WindowCreation& creation);

// Destroys a window: takes the focus away from it first (WM_KILLFOCUS), then sends
// WM_DESTROY and WM_NCDESTROY. Its handle is invalid afterwards. Returns false for an
// invalid handle.
bool destroyWindow(WindowHandle window);

bool isWindow(WindowHandle window);

// The platform's calls, with the platform's names and semantics.
std::uint32_t GetVersion();
std::uint32_t GetCurrentThreadId();
std::int32_t GetWindowLongA(WindowHandle window, std::int32_t index);
std::int32_t SetWindowLongA(WindowHandle window, std::int32_t index, std::int32_t newLong);
HookHandle SetWindowsHookExA(std::int32_t idHook, HookProc procedure, std::uint32_t module,
                             std::uint32_t threadId);
std::int32_t CallNextHookEx(HookHandle hook, std::int32_t code, std::uint32_t wParam,
                            const void* lParam);
bool UnhookWindowsHookEx(HookHandle hook);
std::int32_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                          std::int32_t lParam);
void RtlMoveMemory(void* destination, const void* source, std::size_t length);
// Moves the keyboard focus; returns the window that had it (0 if none, or on failure).
WindowHandle SetFocus(WindowHandle window);
WindowHandle GetFocus();

// The platform version that GetVersion reports (major in the low byte, minor in the next).
// Hosts and tests set it to exercise older platforms; the default is 6.1.
void setPlatformVersion(int major, int minor = 0);

// A key as it travels through the keyboard input queue.
struct KeyInput {
    enum class Kind { KeyDown, Character, KeyUp };
    Kind kind = Kind::KeyDown;
    std::uint16_t keyCode = 0;   // virtual-key code for KeyDown/KeyUp
    char16_t character = 0;      // for Character
    std::int16_t shift = 0;      // 1 Shift, 2 Ctrl, 4 Alt
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
