#include "control/Quelta.h"

namespace quelta {

// The live box's window, or 0 between rebuilds: the template box is never a window a host
// should talk to.
std::int32_t Quelta::hWnd() {
    EditBox* live = liveBox();
    return live ? static_cast<std::int32_t>(live->hWnd()) : 0;
}

}  // namespace quelta
