#include "terminal/FormScreen.h"

#include "platform/editbox/EditBox.h"

namespace quelta::terminal {
namespace {

String statusLine(Form& form, StringView region) {
    String focused = u"-";
    bool overtype = false;
    for (Quelta* control : form.controls()) {
        overtype = isTrue(control->OverType());
        EditBox* box = control->liveBox();
        if (box && box->hasFocus())
            focused = control->container().extenderProperty(u"Name").toString();
    }
    return u" " + focused + (overtype ? u"  OVR" : u"  INS") + u"  " + String(region) +
           u"  |  Tab/Shift+Tab move  F2 events  Ctrl+Q quit";
}

}  // namespace

FormScreen formScreen(Form& form, const CellScale& scale, StringView region) {
    FormScreen screen;
    for (Quelta* control : form.controls()) {
        if (std::optional<FieldView> field = fieldView(*control, scale)) {
            screen.view.fields.push_back(std::move(*field));
            screen.shown.push_back(control);
        }
    }
    screen.view.status = statusLine(form, region);
    return screen;
}

}  // namespace quelta::terminal
