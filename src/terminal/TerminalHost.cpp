#include "terminal/TerminalHost.h"

#include <memory>
#include <optional>

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

using Ending = TerminalHost::Ending;

// How a key ends the run, if it does.
std::optional<Ending> endingOf(const PressedKey& key, bool prompting) {
    const bool f10 = key.keyCode == kF10 && key.shift == 0;
    const bool ctrlQ = key.keyCode == 'Q' && key.shift == kCtrlMask;
    const bool escape = key.keyCode == VK_ESCAPE && key.shift == 0;
    if (!prompting) return f10 || ctrlQ ? std::optional(Ending::Left) : std::nullopt;
    if (f10) return Ending::Accepted;
    if (ctrlQ || escape) return Ending::Cancelled;
    return std::nullopt;
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
    if (const std::optional<Ending> ending = endingOf(key, prompting_)) {
        ending_ = *ending;
        return false;
    }
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
                if (!press(input.key)) return ending_ == Ending::Cancelled ? 1 : 0;
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
