#include "control/HookModul.h"

#include "control/QueltaThreadData.h"
#include "control/SupportModul.h"

namespace quelta::HookModul {
namespace {

void patchWindowLong(std::uint32_t window, std::int32_t index, std::uint32_t clear,
                     std::uint32_t set) {
    auto value = static_cast<std::uint32_t>(SupportModul::GetWindowLongA(window, index));
    value = (value & ~clear) | set;
    SupportModul::SetWindowLongA(window, index, static_cast<std::int32_t>(value));
}

}  // namespace

void InstallCreateHook() {
    threadData().HookHandle = SupportModul::SetWindowsHookExA(
        SupportModul::WH_CALLWNDPROC, CreateHookProc, 0, SupportModul::GetCurrentThreadId());
}

void RemoveCreateHook() {
    const QueltaThreadData& data = threadData();
    if (data.HookHandle != 0) SupportModul::UnhookWindowsHookEx(data.HookHandle);
}

std::int32_t CreateHookProc(std::int32_t code, std::uint32_t wParam, const void* lParam) {
    const QueltaThreadData& data = threadData();
    std::int32_t result = SupportModul::CallNextHookEx(data.HookHandle, code, wParam, lParam);
    if (code < 0) return result;
    SupportModul::CallWindowProcRecord record{};
    SupportModul::RtlMoveMemory(&record, lParam, sizeof record);
    if (record.message != SupportModul::WM_NCCREATE) return result;
    patchWindowLong(record.hwnd, SupportModul::GWL_STYLE, data.HookStyleClear, data.HookStyleSet);
    patchWindowLong(record.hwnd, SupportModul::GWL_EXSTYLE, data.HookExStyleClear,
                    data.HookExStyleSet);
    return result;
}

}  // namespace quelta::HookModul
