#include "terminal/FormScreen.h"

#include "platform/editbox/EditBox.h"
#include "terminal/StatusFit.h"

namespace quelta::terminal {
namespace {

// The hints a person needs first come first, as a narrow terminal leaves out the last.
const std::vector<StringView> kHints = {u"Tab/Shift+Tab move", u"F2 events", u"Ctrl+Q quit"};

String statusLine(Form& form, StringView region, int columns) {
    String focused = u"-";
    bool overtype = false;
    for (Quelta* control : form.controls()) {
        overtype = isTrue(control->OverType());
        EditBox* box = control->liveBox();
        if (box && box->hasFocus())
            focused = control->container().extenderProperty(u"Name").toString();
    }
    return fittedStatus(u" " + focused + (overtype ? u"  OVR" : u"  INS") + u"  " + String(region),
                        kHints, columns);
}

}  // namespace

FormScreen formScreen(Form& form, const CellScale& scale, StringView region, int columns) {
    FormScreen screen;
    for (Quelta* control : form.controls()) {
        if (std::optional<FieldView> field = fieldView(*control, scale)) {
            screen.view.fields.push_back(std::move(*field));
            screen.shown.push_back(control);
        }
    }
    screen.view.status = statusLine(form, region, columns);
    return screen;
}

}  // namespace quelta::terminal
