#pragma once
// The window-system calls and constants the control uses, under the names it uses them by.
// They are the platform's own; this header only gathers them in one place.

#include "platform/window/WindowSystem.h"

namespace quelta::SupportModul {

using quelta::CallNextHookEx;
using quelta::GetCurrentThreadId;
using quelta::GetVersion;
using quelta::GetWindowLongA;
using quelta::RtlMoveMemory;
using quelta::SendMessageA;
using quelta::SetFocus;
using quelta::SetWindowLongA;
using quelta::SetWindowsHookExA;
using quelta::UnhookWindowsHookEx;

using quelta::EM_GETLINECOUNT;
using quelta::EM_LINEFROMCHAR;
using quelta::EM_LINEINDEX;
using quelta::EM_LINELENGTH;
using quelta::GWL_EXSTYLE;
using quelta::GWL_STYLE;
using quelta::WH_CALLWNDPROC;
using quelta::WM_NCCREATE;
using quelta::WS_CLIPCHILDREN;

using quelta::CallWindowProcRecord;

}  // namespace quelta::SupportModul
