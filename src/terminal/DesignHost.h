#pragma once
// The terminal form host at design time: shows the form with the selected control marked,
// reads keys and clicks for the FormDesigner, and answers the modal dialogs the control
// shows (the About box) in the same terminal until they close.

#include <string>

#include "form/Form.h"
#include "terminal/CellScale.h"
#include "terminal/FormDesigner.h"

namespace quelta::terminal {

class DesignHost {
public:
    // The host measures text in cells of `scale` from now on, on this thread. Build the
    // form's controls after this, so that they lay out in cells.
    DesignHost(Form& form, CellScale scale, std::string file);
    ~DesignHost();
    DesignHost(const DesignHost&) = delete;
    DesignHost& operator=(const DesignHost&) = delete;

    // Runs until the person leaves (Ctrl+Q or F10, and an answer to the question about
    // unsaved changes); returns the exit status.
    int run();

private:
    CellScale scale_;
    FormDesigner designer_;
};

}  // namespace quelta::terminal
