#include "control/DisabledGray.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"

namespace quelta {

// At design time the live box stays enabled, so that the developer can work with it.
void Quelta::letEnabled(Boolean New_Enabled) {
    Boolean enabled = toBoolean(isTrue(New_Enabled));
    if (state_.Enabled == enabled) return;
    state_.Enabled = enabled;
    container_.propertyChanged(u"Enabled");
    if (container_.userMode()) {
        if (EditBox* live = liveBox()) live->setEnabled(enabled);
        if (isTrue(enabled) && !container_.enabled()) container_.setEnabled(true);
    }
    if (isTrue(state_.DisabledGray)) refreshBackColor();
}

void Quelta::letDisabledGray(Boolean New_DisabledGray) {
    Boolean grey = toBoolean(isTrue(New_DisabledGray));
    if (state_.DisabledGray == grey) return;
    state_.DisabledGray = grey;
    container_.propertyChanged(u"DisabledGray");
    refreshBackColor();
}

void Quelta::letLocked(Boolean New_Locked) {
    Boolean locked = toBoolean(isTrue(New_Locked));
    if (Locked() == locked) return;
    templateBox().setLocked(locked);
    if (EditBox* live = liveBox()) live->setLocked(locked);
    container_.propertyChanged(u"Locked");
    if (isTrue(state_.DisabledGray)) refreshBackColor();
}

// While the grey shows, a new colour is only stored: it appears once the control can be
// edited again.
void Quelta::letBackColor(std::uint32_t New_BackColor) {
    if (BackColor() == New_BackColor) return;
    templateBox().setBackColor(New_BackColor);
    container_.propertyChanged(u"BackColor");
    EditBox* live = liveBox();
    if (live == nullptr) return;
    if (!showsGrey(*live)) live->setBackColor(New_BackColor);
    mirrorBackColorToFrame();
}

// A control that cannot be edited at run time shows grey when DisabledGray asks for it,
// and its own colour otherwise.
void Quelta::refreshBackColor() {
    EditBox* live = liveBox();
    if (live == nullptr) return;
    live->setBackColor(showsGrey(*live) ? kSystemButtonFace : templateBox().backColor());
    mirrorBackColorToFrame();
}

bool Quelta::showsGrey(EditBox& live) const {
    return showsDisabledGray(container_.userMode(), state_.DisabledGray, state_.Enabled,
                             live.locked());
}

void Quelta::mirrorBackColorToFrame() {
    EditBox* live = liveBox();
    if (live != nullptr && isTrue(threadData().OldWindows) && lbl3DBorder.visible()) {
        lbl3DBorder.setBackColor(live->backColor());
    }
}

}  // namespace quelta
