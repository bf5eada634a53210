#include "terminal/TerminalHost.h"

#include <memory>

#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/SendKeys.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/CursesPainter.h"
#include "terminal/CursesSession.h"
#include "terminal/TerminalKeys.h"

namespace quelta::terminal {

TerminalHost::TerminalHost(Form& form, CellScale scale, std::string region)
    : form_(form), scale_(scale), region_(std::move(region)) {
    setTextMeasurer(std::make_shared<CellTextMeasurer>(scale_));
    form_.setListener(
        {[this](const String& control, std::int32_t dispid, std::span<Variant> arguments) {
             log_.event(control, dispid, arguments);
         },
         [this](const String& control, StringView property) { log_.change(control, property); }});
}

TerminalHost::~TerminalHost() {
    form_.setListener({});
    setBeepListener(nullptr);
    setTextMeasurer(nullptr);
}

FormScreen TerminalHost::screen() {
    FormScreen shown = formScreen(form_, scale_, fromUtf8(region_));
    shown.view.paneOpen = paneOpen_;
    if (paneOpen_) shown.view.pane.assign(log_.lines().begin(), log_.lines().end());
    return shown;
}

void TerminalHost::focusFirstControl() {
    for (Quelta* control : form_.controls()) {
        EditBox* box = control->liveBox();
        if (box && isTrue(box->visible()) && control->container().enabled()) {
            form_.focus(*control);
            return;
        }
    }
}

// A key the control refuses with an automation error is answered as the platform answers
// a refused key: with the beep.
void TerminalHost::typeKeys(StringView keys) {
    try {
        sendKeys(keys);
        form_.deliverPendingKeys();
    } catch (const AutomationError&) {
        while (takeKeyInput()) {
        }
        MessageBeep();
    }
}

void TerminalHost::click(const FormScreen& shown) {
    MEVENT event{};
    if (getmouse(&event) != OK) return;
    const bool twice = (event.bstate & BUTTON1_DOUBLE_CLICKED) != 0;
    for (std::size_t i = 0; i < shown.view.fields.size(); ++i) {
        const FieldView& field = shown.view.fields[i];
        if (!field.frame.contains(event.y, event.x)) continue;
        Quelta& control = *shown.shown[i];
        if (!field.focused) form_.focus(control);
        EditBox* box = control.liveBox();
        if (box == nullptr) return;
        // The middle of the cell, in twips from the box's corner.
        const auto x =
            static_cast<float>((event.x - field.text.column + 0.5) * scale_.twipsPerColumn);
        const auto y = static_cast<float>((event.y - field.text.row + 0.5) * scale_.twipsPerRow);
        if (twice) {
            box->doubleClick(x, y);
        } else {
            box->click(x, y);
        }
        return;
    }
}

int TerminalHost::run() {
    CursesSession session;
    CursesPainter painter;
    setBeepListener([] { beep(); });
    focusFirstControl();
    for (;;) {
        FormScreen shown = screen();
        painter.paint(session.screen(), shown.view);
        wrefresh(session.screen());

        wint_t code = 0;
        const int status = wget_wch(session.screen(), &code);
        if (status == ERR) continue;
        const bool isKeyCode = status == KEY_CODE_YES;
        const char* name = isKeyCode ? keyname(static_cast<int>(code)) : nullptr;
        const TerminalKey key = translateKey(isKeyCode, code, name ? name : "");
        switch (key.kind) {
            case TerminalKey::Kind::Quit:
                return 0;
            case TerminalKey::Kind::Keys:
                typeKeys(key.keys);
                break;
            case TerminalKey::Kind::TogglePane:
                paneOpen_ = !paneOpen_;
                break;
            case TerminalKey::Kind::Resize:
                painter.invalidate();
                break;
            case TerminalKey::Kind::Mouse:
                click(shown);
                break;
            case TerminalKey::Kind::Ignored:
                break;
        }
    }
}

}  // namespace quelta::terminal
