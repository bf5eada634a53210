#include "terminal/TerminalHost.h"

#include <memory>

#include "form/BeepOnRefusal.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/CursesPainter.h"
#include "terminal/CursesSession.h"
#include "view/HitTest.h"

namespace quelta::terminal {
namespace {

constexpr std::uint16_t kF2 = VK_F1 + 1;
constexpr std::uint16_t kF10 = VK_F1 + 9;

bool leaves(const PressedKey& key) {
    return (key.keyCode == kF10 && key.shift == 0) ||
           (key.keyCode == 'Q' && key.shift == kCtrlMask);
}

}  // namespace

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

void TerminalHost::start() {
    beepOnRefusal([&] { form_.focusFirst(); });
}

bool TerminalHost::press(const PressedKey& key) {
    if (leaves(key)) return false;
    if (key.keyCode == kF2 && key.shift == 0) {
        paneOpen_ = !paneOpen_;
        return true;
    }
    for (const KeyInput& input : keyInputsOf(key))
        postKeyInput(input);
    beepOnRefusal([&] { form_.deliverPendingKeys(); });
    return true;
}

void TerminalHost::click(CellPoint at, bool twice) {
    const FormScreen shown = screen();
    for (std::size_t i = 0; i < shown.view.fields.size(); ++i) {
        if (!shown.view.fields[i].frame.contains(at.row, at.column)) continue;
        Quelta& control = *shown.shown[i];
        beepOnRefusal([&] {
            if (!shown.view.fields[i].focused) form_.focus(control);
            EditBox* box = control.liveBox();
            const std::optional<std::int32_t> index = characterAtCell(control, scale_, at);
            if (box == nullptr || !index) return;
            const view::BoxPoint point = view::boxPointOf(*box, *index);
            if (twice) {
                box->doubleClick(point.x, point.y);
            } else {
                box->click(point.x, point.y);
            }
        });
        return;
    }
}

int TerminalHost::run() {
    CursesSession session;
    CursesPainter painter;
    setBeepListener([] { beep(); });
    start();
    for (;;) {
        painter.paint(session.screen(), screen().view);
        wrefresh(session.screen());

        wint_t code = 0;
        const int status = wget_wch(session.screen(), &code);
        if (status == ERR) continue;
        const bool isKeyCode = status == KEY_CODE_YES;
        const char* name = isKeyCode ? keyname(static_cast<int>(code)) : nullptr;
        const CursesInput input = cursesInput(isKeyCode, code, name ? name : "");
        switch (input.kind) {
            case CursesInput::Kind::Key:
                if (!press(input.key)) return 0;
                break;
            case CursesInput::Kind::Resize:
                painter.invalidate();
                break;
            case CursesInput::Kind::Mouse: {
                MEVENT event{};
                if (getmouse(&event) == OK)
                    click({event.y, event.x}, (event.bstate & BUTTON1_DOUBLE_CLICKED) != 0);
                break;
            }
            case CursesInput::Kind::Ignored:
                break;
        }
    }
}

}  // namespace quelta::terminal
