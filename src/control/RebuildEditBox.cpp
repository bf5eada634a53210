#include "control/DisabledGray.h"
#include "control/Enumerations.h"
#include "control/HookModul.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "control/StylePatch.h"
#include "control/SupportModul.h"
#include "platform/AutomationError.h"

namespace quelta {
namespace {

void addClipChildren(WindowHandle window) {
    auto style =
        static_cast<std::uint32_t>(SupportModul::GetWindowLongA(window, SupportModul::GWL_STYLE));
    SupportModul::SetWindowLongA(window, SupportModul::GWL_STYLE,
                                 static_cast<std::int32_t>(style | SupportModul::WS_CLIPCHILDREN));
}

void preparePatch(const QueltaState& state) {
    QueltaThreadData& data = threadData();
    data.HookStyleClear = kHookStyleClear;
    data.HookExStyleClear = kHookExStyleClear;
    StylePatch patch = computeStylePatch(state, data.OldWindows);
    data.HookStyleSet = patch.styleSet;
    data.HookExStyleSet = patch.exStyleSet;
}

}  // namespace

// Window styles are fixed when a window is created, so every style change destroys the live
// box and creates a new one from the template; nothing of the old box carries over.
void Quelta::RebuildEditBox() {
    if (isTrue(state_.EditBoxLoaded)) {
        txtBaseCtl.unload(1);
        state_.EditBoxLoaded = kFalse;
    }
    // Keeps the designer from painting over the live box.
    if (!container_.userMode()) addClipChildren(container_.windowHandle());
    preparePatch(state_);
    createLiveEditBox();
    state_.EditBoxLoaded = kTrue;
    applyDisabledGrayOnCreation();
    RefreshDisplay();
    EditBox& live = txtBaseCtl[1];
    live.setVisible(kTrue);
    live.setEnabled(toBoolean(!container_.userMode() || isTrue(state_.Enabled)));
    state_.SingleLineEmulation =
        toBoolean(state_.Alignment != qltaLeftJustify && !isTrue(state_.MultiLine));
    FitToMaxLength(false);
    LayoutEditBox();
}

// The hook must not outlive the creation, even when the creation fails.
void Quelta::createLiveEditBox() {
    HookModul::InstallCreateHook();
    try {
        txtBaseCtl.load(1);
    } catch (...) {
        HookModul::RemoveCreateHook();
        throw;
    }
    HookModul::RemoveCreateHook();
}

void Quelta::applyDisabledGrayOnCreation() {
    EditBox& live = txtBaseCtl[1];
    if (!showsGrey(live)) return;
    live.setBackColor(kSystemButtonFace);
    if (isTrue(threadData().OldWindows) && lbl3DBorder.visible()) {
        lbl3DBorder.setBackColor(kSystemButtonFace);
    }
}

}  // namespace quelta
