#include "control/Quelta.h"

namespace quelta {

// Shows the stored text in the live box. The write raises the box's change notification,
// which must not count as an edit.
void Quelta::RefreshDisplay() {
    HostEditBox* live = liveBox();
    if (live == nullptr) return;
    state_.UpdatingDisplay = kTrue;
    try {
        live->setText(templateBox().text());
    } catch (...) {
        state_.UpdatingDisplay = kFalse;
        throw;
    }
    state_.UpdatingDisplay = kFalse;
}

}  // namespace quelta
