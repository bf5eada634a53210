#pragma once
// The About dialog: the control's icon, its title line, two notice lines and OK, which
// closes it. It reads nothing from the control that opened it.

#include "platform/pages/DialogForm.h"

namespace quelta {

class frmAbout : public DialogForm {
public:
    frmAbout();
};

}  // namespace quelta
