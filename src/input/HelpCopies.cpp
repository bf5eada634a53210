#include "control/Quelta.h"

namespace quelta {

// The box, not the control, holds the focus and sits under the mouse, so it must carry the
// help numbers and tooltip the host gave the control. A container whose extender lacks one
// of them leaves that one as it was and the next is still copied.
void Quelta::copyHelpFromExtender(bool withToolTip) {
    auto live = [this]() -> EditBox& {
        EditBox* box = liveBox();
        if (!box) raiseError(kErrObjectRequired);
        return *box;
    };
    ignoringErrors([&] {
        live().setWhatsThisHelpID(container_.extenderProperty(u"WhatsThisHelpID").toLong());
    });
    ignoringErrors(
        [&] { live().setHelpContextID(container_.extenderProperty(u"HelpContextID").toLong()); });
    if (!withToolTip) return;
    ignoringErrors(
        [&] { live().setToolTipText(container_.extenderProperty(u"ToolTipText").toString()); });
}

}  // namespace quelta
