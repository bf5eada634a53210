#include "control/Quelta.h"
#include "control/QueltaThreadData.h"

namespace quelta {

void Quelta::letAutoTab(Boolean New_AutoTab) {
    storeBoolean(state_.AutoTab, New_AutoTab, u"AutoTab");
}

void Quelta::letStartSelected(Boolean New_StartSelected) {
    storeBoolean(state_.StartSelected, New_StartSelected, u"StartSelected");
}

// The mode belongs to the thread, not to the control: it is neither a property of this
// control that changes nor one that is saved with it.
Boolean Quelta::OverType() const {
    return sharedSettings().overType();
}

void Quelta::letOverType(Boolean New_OverType) {
    sharedSettings().setOverType(New_OverType);
}

}  // namespace quelta
