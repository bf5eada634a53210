#include "platform/pages/PropertyPage.h"

#include "platform/pages/PropertyPageFrame.h"

namespace quelta {

LateBoundObject& PropertyPage::firstSelected() {
    const std::vector<LateBoundRef>& selected = frame_.selectedControls();
    if (selected.empty() || !selected.front()) raiseError(kErrSubscriptOutOfRange);
    return *selected.front();
}

void PropertyPage::markChanged() {
    frame_.setChanged(true);
}

}  // namespace quelta
