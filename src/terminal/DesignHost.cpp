#include "terminal/DesignHost.h"

#include <memory>

#include "platform/pages/DialogForm.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/CursesReader.h"
#include "terminal/CursesSession.h"
#include "terminal/DesignPainter.h"

namespace quelta::terminal {
namespace {

bool closesAbout(const DesignKey& key) {
    using Kind = DesignKey::Kind;
    return key.kind == Kind::Enter || key.kind == Kind::Escape ||
           (key.kind == Kind::Character && key.character == U' ');
}

}  // namespace

DesignHost::DesignHost(Form& form, CellScale scale, std::string file)
    : scale_(scale), designer_(form, scale, std::move(file)) {
    setTextMeasurer(std::make_shared<CellTextMeasurer>(scale_));
}

DesignHost::~DesignHost() {
    setTextMeasurer(nullptr);
}

int DesignHost::run() {
    CursesSession session;
    DesignPainter painter;
    WINDOW* window = session.screen();

    // The About box waits here, drawn over the form, for OK (Enter, Space or Esc). The loop
    // goes before the painter and the session it draws with.
    struct RemoveModalLoop {
        ~RemoveModalLoop() { setModalLoop(nullptr); }
    } removeModalLoop;
    setModalLoop([&](DialogForm& dialog) {
        PageWidget& ok = dialog.widgets().widget(u"cmdOK");
        while (dialog.visible()) {
            DesignView view = designer_.view();
            view.dialog = dialogView(dialog, kDialogScale, &ok);
            painter.paint(window, view);
            wrefresh(window);
            const CursesInput input = readCursesInput(window);
            if (input.kind == CursesInput::Kind::Resize) painter.invalidate();
            if (input.kind == CursesInput::Kind::Key && closesAbout(designKeyOf(input.key)))
                ok.operate(Variant());
        }
    });

    for (;;) {
        designer_.setColumns(getmaxx(window));
        painter.paint(window, designer_.view());
        wrefresh(window);
        const CursesInput input = readCursesInput(window);
        if (input.kind == CursesInput::Kind::Resize) {
            painter.invalidate();
        } else if (input.kind == CursesInput::Kind::Mouse) {
            MEVENT event{};
            if (getmouse(&event) == OK) designer_.click({event.y, event.x});
        } else if (input.kind == CursesInput::Kind::Key &&
                   !designer_.press(designKeyOf(input.key))) {
            return 0;
        }
    }
}

}  // namespace quelta::terminal
