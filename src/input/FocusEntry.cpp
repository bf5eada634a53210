#include "control/Quelta.h"

namespace quelta {

// A disabled control that the focus enters while the application runs switches its
// container's enabled state off, so that the host moves the focus on; the Enabled write
// switches it back on. In the designer a disabled control stays reachable.
void Quelta::EnterFocus() {
    if (isTrue(state_.Enabled) || !container_.userMode()) return;
    if (container_.enabled()) container_.setEnabled(false);
}

}  // namespace quelta
