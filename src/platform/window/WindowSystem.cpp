#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

// A window's class name is not kept: nothing asks for it back.
struct WindowRecord {
    WindowHandle handle = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    WindowHandle parent = 0;
    // The children in the order they were created, linked through their records (which stay
    // where they are in the thread's map), so that a window joins and leaves its parent at the
    // same cost however many siblings it has, and without an allocation of its own: a form's
    // window holds every control's windows, and they are rebuilt one by one.
    WindowRecord* firstChild = nullptr;
    WindowRecord* lastChild = nullptr;
    WindowRecord* previousSibling = nullptr;
    WindowRecord* nextSibling = nullptr;
    WindowProcedure* procedure = nullptr;
    bool destroying = false;  // between the start of destroyWindow and its end
};

struct HookEntry {
    HookHandle handle = 0;
    HookProc procedure;
    bool installed = true;
};

using HookChain = std::vector<std::shared_ptr<HookEntry>>;

// One hook chain being walked: the chain as it stood when the message was sent, and the
// position of the hook that is running. CallNextHookEx continues from that position, as the
// platform's does, so a hook that has just unhooked itself can still pass the message on.
struct HookDispatch {
    HookChain chain;
    std::size_t position = 0;
};

// Everything the window system keeps for one thread. Windows, hooks, focus, the input queue
// and the beep belong to the thread that made them.
struct ThreadWindows {
    // By value: the map's nodes stay where they are as it grows, and a record is found,
    // read and changed without counting references. No caller keeps a record across a
    // message it sends, since the message's handler may destroy the window.
    std::unordered_map<WindowHandle, WindowRecord> windows;
    HookChain hooks;  // most recently installed last
    std::vector<HookDispatch*> dispatches;
    // Only one chain runs at a time, so its copy of the hooks reuses this one's storage.
    HookDispatch running;
    // Entries of removed hooks that no running chain holds any more, for the next hook: a
    // control installs one around every window it creates.
    std::vector<std::shared_ptr<HookEntry>> spareHooks;
    // The window found last: sending one message looks its window up several times, and
    // creating or destroying a window sends several messages in a row.
    WindowHandle lastFound = 0;
    WindowRecord* lastFoundRecord = nullptr;
    WindowHandle focus = 0;
    int sendDepth = 0;
    std::deque<KeyInput> keyQueue;
    std::function<void()> beepListener;
    int beeps = 0;
};

// Objects destroyed late in a thread's exit (other thread_local or static objects that own
// windows) may still call the window system after the thread's state is gone. They see one
// shared, empty state instead, in which every handle is invalid; the calls that would change
// a state refuse while the thread is ending, so the shared state is only ever read.
thread_local bool threadStateEnded = false;
// The thread's state once made; every call of the window system starts here, so it is a
// plain pointer rather than an object with a guard on each access.
thread_local ThreadWindows* currentState = nullptr;

struct ThreadWindowsOwner {
    ThreadWindows state;
    ~ThreadWindowsOwner() {
        threadStateEnded = true;
        currentState = nullptr;
    }
};

ThreadWindows& startThreadState() {
    if (threadStateEnded) {
        static ThreadWindows* const ended = new ThreadWindows;  // outlives every thread
        return *ended;
    }
    thread_local ThreadWindowsOwner owner;
    currentState = &owner.state;
    return owner.state;
}

ThreadWindows& thisThread() {
    return currentState != nullptr ? *currentState : startThreadState();
}

// Handles and thread ids come from process-wide counters, so that a value issued on one
// thread never names anything on another.
std::atomic<std::uint32_t> nextHandle{0x10000};
std::atomic<std::uint32_t> nextThreadId{0x100};
std::atomic<std::uint32_t> platformVersion{6u | (1u << 8)};

std::uint32_t issueHandle() {
    std::uint32_t handle = 0;
    while (handle == 0)
        handle = nextHandle.fetch_add(1, std::memory_order_relaxed);
    return handle;
}

// Deep enough for any honest nesting of messages; beyond it a message is dropped rather
// than letting a procedure that sends to itself exhaust the stack.
constexpr int kMaxSendDepth = 200;

// Only a window that exists is remembered, so the shared state of ended threads, which has
// none, is never written.
WindowRecord* findWindow(ThreadWindows& state, WindowHandle window) {
    if (window == 0) return nullptr;
    if (window == state.lastFound) return state.lastFoundRecord;
    auto found = state.windows.find(window);
    if (found == state.windows.end()) return nullptr;
    state.lastFound = window;
    state.lastFoundRecord = &found->second;
    return state.lastFoundRecord;
}

WindowRecord* findWindow(WindowHandle window) {
    return findWindow(thisThread(), window);
}

void appendChild(WindowRecord& parent, WindowRecord& child) {
    child.previousSibling = parent.lastChild;
    child.nextSibling = nullptr;
    if (parent.lastChild != nullptr)
        parent.lastChild->nextSibling = &child;
    else
        parent.firstChild = &child;
    parent.lastChild = &child;
}

void removeChild(WindowRecord& parent, WindowRecord& child) {
    (child.previousSibling ? child.previousSibling->nextSibling : parent.firstChild) =
        child.nextSibling;
    (child.nextSibling ? child.nextSibling->previousSibling : parent.lastChild) =
        child.previousSibling;
    child.previousSibling = child.nextSibling = nullptr;
}

class ScopedCounter {
public:
    explicit ScopedCounter(int& counter) : counter_(counter) { ++counter_; }
    ~ScopedCounter() { --counter_; }
    ScopedCounter(const ScopedCounter&) = delete;
    ScopedCounter& operator=(const ScopedCounter&) = delete;

private:
    int& counter_;
};

// Calls the hooks of the dispatch from its current position on, skipping hooks that were
// removed meanwhile. Returns 0 when the chain is exhausted.
std::int32_t callHookFrom(HookDispatch& dispatch, std::int32_t code, std::uint32_t wParam,
                          const void* lParam) {
    while (dispatch.position < dispatch.chain.size()) {
        auto hook = dispatch.chain[dispatch.position];  // keeps the procedure alive if unhooked
        if (hook->installed) return hook->procedure(code, wParam, lParam);
        ++dispatch.position;
    }
    return 0;
}

// Shows a message to the thread's WH_CALLWNDPROC hooks, newest first. A message sent while a
// hook chain is already running (by a hook itself) is not shown again, so a hook that sends
// messages cannot recurse into itself.
void runHooks(ThreadWindows& state, WindowHandle window, std::uint32_t message,
              std::uint32_t wParam, std::int32_t lParam) {
    if (state.hooks.empty() || !state.dispatches.empty()) return;
    HookDispatch& dispatch = state.running;
    dispatch.chain.assign(state.hooks.rbegin(), state.hooks.rend());
    dispatch.position = 0;
    const CallWindowProcRecord record{lParam, wParam, message, window};
    state.dispatches.push_back(&dispatch);
    struct Pop {
        std::vector<HookDispatch*>& stack;
        HookChain& chain;
        ~Pop() {
            stack.pop_back();
            chain.clear();
        }
    } pop{state.dispatches, dispatch.chain};
    constexpr std::int32_t kHcAction = 0;
    constexpr std::uint32_t kSentByCurrentThread = 1;
    callHookFrom(dispatch, kHcAction, kSentByCurrentThread, &record);
}

std::int32_t defaultAnswer(std::uint32_t message) {
    return message == WM_NCCREATE ? 1 : 0;
}

std::int32_t deliver(ThreadWindows& state, WindowHandle window, std::uint32_t message,
                     std::uint32_t wParam, std::int32_t lParam) {
    const WindowRecord* record = findWindow(state, window);
    if (!record) return 0;
    // A handler may destroy the window; nothing here touches the record afterwards.
    WindowProcedure* procedure = record->procedure;
    if (!procedure) return defaultAnswer(message);
    return procedure->windowProc(window, message, wParam, lParam);
}

// Removes a window without telling it, for a creation that failed half-way. Children it
// still has keep its handle as their parent's but leave its list.
void discardWindow(WindowHandle window) {
    auto& state = thisThread();
    auto found = state.windows.find(window);
    if (found == state.windows.end()) return;
    WindowRecord& record = found->second;
    for (WindowRecord* child = record.firstChild; child != nullptr;) {
        WindowRecord* next = child->nextSibling;
        child->previousSibling = child->nextSibling = nullptr;
        child = next;
    }
    if (auto parent = findWindow(state, record.parent)) removeChild(*parent, record);
    if (state.lastFound == window) state.lastFound = 0;
    state.windows.erase(found);
    if (state.focus == window) state.focus = 0;
}

bool isFocusWithin(WindowHandle window) {
    for (WindowHandle w = thisThread().focus; w != 0;) {
        if (w == window) return true;
        auto record = findWindow(w);
        w = record ? record->parent : 0;
    }
    return false;
}

// The children in the order they were created; a copy, since destroying them changes the
// parent's list.
std::vector<WindowHandle> childrenOf(WindowHandle parent) {
    std::vector<WindowHandle> children;
    if (auto record = findWindow(parent)) {
        for (const WindowRecord* child = record->firstChild; child; child = child->nextSibling)
            children.push_back(child->handle);
    }
    return children;
}

// Removes a window and its descendants without telling them, for a creation or destruction
// that a failing handler broke off: no window may be left half-made or half-destroyed.
void discardTree(WindowHandle window) {
    for (WindowHandle child : childrenOf(window))
        discardTree(child);
    discardWindow(window);
}

std::uint32_t* styleWord(WindowRecord& record, std::int32_t index) {
    if (index == GWL_STYLE) return &record.style;
    if (index == GWL_EXSTYLE) return &record.exStyle;
    return nullptr;
}

}  // namespace

WindowHandle createWindow(const WindowCreation& creation) {
    auto& state = thisThread();
    WindowRecord* parent = nullptr;
    if (creation.parent != 0) {
        // A dying parent would leave the new child behind with a dangling parent handle.
        parent = findWindow(state, creation.parent);
        if (!parent || parent->destroying) return 0;
    }
    if (threadStateEnded) return 0;
    const WindowHandle window = issueHandle();
    WindowRecord& record = state.windows[window];
    record.handle = window;
    record.style = creation.style;
    record.exStyle = creation.exStyle;
    record.parent = creation.parent;
    record.procedure = creation.procedure;
    if (parent) appendChild(*parent, record);
    try {
        if (SendMessageA(window, WM_NCCREATE, 0, 0) == 0) {
            if (isWindow(window)) discardWindow(window);
            return 0;
        }
        if (!isWindow(window)) return 0;  // destroyed by its own creation handler
        constexpr std::int32_t kCreateRefused = -1;
        if (SendMessageA(window, WM_CREATE, 0, 0) == kCreateRefused) {
            destroyWindow(window);
            return 0;
        }
    } catch (...) {
        discardTree(window);
        throw;
    }
    return isWindow(window) ? window : 0;
}

bool destroyWindow(WindowHandle window) {
    auto record = findWindow(window);
    if (!record) return false;
    if (record->destroying) return true;  // already on its way out; destroy it once
    record->destroying = true;
    try {
        if (isFocusWithin(window)) SetFocus(0);
        SendMessageA(window, WM_DESTROY, 0, 0);
        for (WindowHandle child : childrenOf(window))
            destroyWindow(child);
        SendMessageA(window, WM_NCDESTROY, 0, 0);
    } catch (...) {
        discardTree(window);
        throw;
    }
    discardWindow(window);
    return true;
}

bool isWindow(WindowHandle window) {
    return findWindow(window) != nullptr;
}

WindowHandle GetParent(WindowHandle window) {
    auto record = findWindow(window);
    return record ? record->parent : 0;
}

WindowProcedure* windowProcedure(WindowHandle window) {
    auto record = findWindow(window);
    return record ? record->procedure : nullptr;
}

bool IsWindowEnabled(WindowHandle window) {
    auto record = findWindow(window);
    return record && (record->style & WS_DISABLED) == 0;
}

bool EnableWindow(WindowHandle window, bool enable) {
    auto record = findWindow(window);
    if (!record) return false;
    const bool wasDisabled = (record->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        record->style &= ~WS_DISABLED;
    } else {
        record->style |= WS_DISABLED;
        if (isFocusWithin(window)) SetFocus(0);
    }
    SendMessageA(window, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

std::uint32_t GetVersion() {
    return platformVersion.load(std::memory_order_relaxed);
}

void setPlatformVersion(int major, int minor) {
    if (major < 0 || major > 255 || minor < 0 || minor > 255) {
        raiseError(kErrInvalidProcedureCall);
    }
    const auto version =
        static_cast<std::uint32_t>(major) | (static_cast<std::uint32_t>(minor) << 8);
    platformVersion.store(version, std::memory_order_relaxed);
}

std::uint32_t GetCurrentThreadId() {
    thread_local const std::uint32_t id = nextThreadId.fetch_add(1, std::memory_order_relaxed);
    return id;
}

std::int32_t GetWindowLongA(WindowHandle window, std::int32_t index) {
    auto record = findWindow(window);
    if (!record) return 0;
    const std::uint32_t* word = styleWord(*record, index);
    return word ? static_cast<std::int32_t>(*word) : 0;
}

std::int32_t SetWindowLongA(WindowHandle window, std::int32_t index, std::int32_t newLong) {
    auto record = findWindow(window);
    if (!record) return 0;
    std::uint32_t* word = styleWord(*record, index);
    if (!word) return 0;
    const auto previous = static_cast<std::int32_t>(*word);
    *word = static_cast<std::uint32_t>(newLong);
    return previous;
}

HookHandle SetWindowsHookExA(std::int32_t idHook, HookProc procedure, std::uint32_t /*module*/,
                             std::uint32_t threadId) {
    if (idHook != WH_CALLWNDPROC || !procedure || threadId != GetCurrentThreadId() ||
        threadStateEnded)
        return 0;
    auto& state = thisThread();
    std::shared_ptr<HookEntry> entry;
    if (state.spareHooks.empty()) {
        entry = std::make_shared<HookEntry>();
    } else {
        entry = std::move(state.spareHooks.back());
        state.spareHooks.pop_back();
    }
    entry->handle = issueHandle();
    entry->procedure = std::move(procedure);
    entry->installed = true;
    state.hooks.push_back(entry);
    return entry->handle;
}

std::int32_t CallNextHookEx(HookHandle /*hook*/, std::int32_t code, std::uint32_t wParam,
                            const void* lParam) {
    auto& dispatches = thisThread().dispatches;
    if (dispatches.empty()) return 0;  // called outside a hook: there is no next hook
    HookDispatch& dispatch = *dispatches.back();
    const std::size_t running = dispatch.position;
    ++dispatch.position;
    const std::int32_t result = callHookFrom(dispatch, code, wParam, lParam);
    dispatch.position = running;  // a hook may pass the same message on more than once
    return result;
}

bool UnhookWindowsHookEx(HookHandle hook) {
    auto& state = thisThread();
    auto& hooks = state.hooks;
    for (auto it = hooks.begin(); it != hooks.end(); ++it) {
        if ((*it)->handle == hook) {
            std::shared_ptr<HookEntry> entry = std::move(*it);
            hooks.erase(it);
            entry->installed = false;
            // A chain that is running keeps the procedure until it is done with it.
            if (entry.use_count() == 1 && !threadStateEnded) {
                entry->procedure = nullptr;
                state.spareHooks.push_back(std::move(entry));
            }
            return true;
        }
    }
    return false;
}

std::int32_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                          std::int32_t lParam) {
    auto& state = thisThread();
    if (state.sendDepth >= kMaxSendDepth || !findWindow(state, window)) return 0;
    ScopedCounter depth(state.sendDepth);
    runHooks(state, window, message, wParam, lParam);
    return deliver(state, window, message, wParam, lParam);
}

void RtlMoveMemory(void* destination, const void* source, std::size_t length) {
    if (length == 0) return;
    if (!destination || !source) raiseError(kErrInvalidProcedureCall);
    std::memmove(destination, source, length);
}

WindowHandle SetFocus(WindowHandle window) {
    auto& state = thisThread();
    const WindowHandle previous = state.focus;
    if (window != 0) {
        auto record = findWindow(window);
        if (!record || record->destroying || (record->style & WS_DISABLED) != 0) return 0;
    }
    if (window == previous) return previous;
    // The focus moves before the notifications, so that a handler asking GetFocus already
    // sees the new window, as on the platform.
    state.focus = window;
    if (previous != 0) SendMessageA(previous, WM_KILLFOCUS, window, 0);
    if (window != 0 && state.focus == window) {
        SendMessageA(window, WM_SETFOCUS, previous, 0);
    }
    return previous;
}

WindowHandle GetFocus() {
    return thisThread().focus;
}

void postKeyInput(const KeyInput& input) {
    if (threadStateEnded) return;
    thisThread().keyQueue.push_back(input);
}

std::optional<KeyInput> takeKeyInput() {
    auto& queue = thisThread().keyQueue;
    if (queue.empty()) return std::nullopt;
    KeyInput input = queue.front();
    queue.pop_front();
    return input;
}

bool hasKeyInput() {
    return !thisThread().keyQueue.empty();
}

void MessageBeep() {
    if (threadStateEnded) return;
    auto& state = thisThread();
    ++state.beeps;
    auto listener = state.beepListener;  // the listener may replace itself
    if (listener) listener();
}

void setBeepListener(std::function<void()> listener) {
    if (threadStateEnded) return;
    thisThread().beepListener = std::move(listener);
}

int beepCount() {
    return thisThread().beeps;
}

}  // namespace quelta
