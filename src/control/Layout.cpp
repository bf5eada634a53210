#include "control/Quelta.h"

namespace quelta {

void Quelta::FitToMaxLength(bool relayout) {
    if (!isTrue(state_.EditBoxLoaded)) RebuildEditBox();
    if (relayout) LayoutEditBox();
}

// Places the live box over the whole control.
void Quelta::LayoutEditBox() {
    if (!isTrue(state_.EditBoxLoaded)) RebuildEditBox();
    txtBaseCtl[1].move(0, 0, container_.width(), container_.height());
}

}  // namespace quelta
