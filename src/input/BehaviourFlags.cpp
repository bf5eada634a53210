#include "control/Quelta.h"

namespace quelta {

void Quelta::letAutoTab(Boolean New_AutoTab) {
    storeBoolean(state_.AutoTab, New_AutoTab, u"AutoTab");
}

void Quelta::letStartSelected(Boolean New_StartSelected) {
    storeBoolean(state_.StartSelected, New_StartSelected, u"StartSelected");
}

}  // namespace quelta
