#pragma once
// The form as the terminal host shows it: a view of each visible control in tab order and
// a status line, built afresh from the controls' live edit boxes after every input. Plain
// data, no terminal: the painter and the tests read it alike.

#include <vector>

#include "form/Form.h"
#include "terminal/ScreenView.h"

namespace quelta::terminal {

struct FormScreen {
    ScreenView view;
    std::vector<Quelta*> shown;  // the control of each field of the view
};

// `region` names the regional settings in the status line, which keeps as many whole
// hints as fit in `columns` (0: all of them).
FormScreen formScreen(Form& form, const CellScale& scale, StringView region, int columns = 0);

}  // namespace quelta::terminal
