#include "form/TakesFocus.h"

#include "control/Quelta.h"
#include "platform/editbox/EditBox.h"

namespace quelta {

// A control disabled by its own Enabled property keeps its site enabled but its box
// disabled; a focus entry at run time would switch its site off, so both are asked.
bool takesFocus(Quelta& control) {
    const EditBox* live = control.liveBox();
    return live != nullptr && isTrue(live->visible()) && isTrue(live->enabled()) &&
           isTrue(control.Enabled()) && control.container().enabled();
}

}  // namespace quelta
