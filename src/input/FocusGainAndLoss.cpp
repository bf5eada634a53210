#include "control/Quelta.h"

namespace quelta {
namespace {

constexpr int kLiveBox = 1;

}  // namespace

// Entering the live box switches the display to editing, or, for a control that selects its
// whole entry, keeps the formatted value and selects it so that typing replaces it.
void Quelta::gotFocus(int index) {
    if (index != kLiveBox) return;
    state_.HasFocus = kTrue;
    state_.SelectAllOnEntry = state_.StartSelected;
    RefreshDisplay();
    state_.SelectAllOnEntry = kFalse;
    if (!isTrue(state_.StartSelected)) return;
    if (EditBox* live = liveBox()) {
        live->setSelStart(0);
        live->setSelLength(static_cast<std::int32_t>(live->text().size()));
    }
}

// Leaving it normalizes what was typed and shows the value formatted again, also when
// nothing was typed.
void Quelta::lostFocus(int index) {
    if (index != kLiveBox) return;
    state_.HasFocus = kFalse;
    RefreshDisplay();
}

}  // namespace quelta
