#pragma once
// The creation hook: while it is installed, every window of the thread that receives
// WM_NCCREATE gets the thread's style patch applied to its style words. It is installed
// only around the creation of the live edit box.

#include <cstdint>

namespace quelta::HookModul {

// Installs the hook for the calling thread; HookHandle is 0 when that fails.
void InstallCreateHook();
// Removes the hook of the last installation, if there was one; HookHandle keeps its value.
void RemoveCreateHook();
// The hook procedure. It passes every message on first and returns the chain's answer.
std::int32_t CreateHookProc(std::int32_t code, std::uint32_t wParam, const void* lParam);

}  // namespace quelta::HookModul
