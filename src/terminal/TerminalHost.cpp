#include "terminal/TerminalHost.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "form/BeepOnRefusal.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"
#include "terminal/CellTextMeasurer.h"
#include "terminal/CellWidth.h"
#include "terminal/CursesPainter.h"
#include "terminal/CursesReader.h"
#include "terminal/CursesSession.h"
#include "view/HitTest.h"

namespace quelta::terminal {
namespace {

constexpr std::uint16_t kF2 = VK_F1 + 1;
constexpr std::uint16_t kF10 = VK_F1 + 9;
// The event pane's height where the screen has room for it.
constexpr int kPaneRows = 8;

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

void TerminalHost::setScreenSize(int rows, int columns) {
    screenSize_ = {rows, columns};
}

FormScreen TerminalHost::screen() {
    FormScreen shown = formScreen(form_, scale_, fromUtf8(region_), screenSize_.columns);
    shown.view.paneOpen = paneOpen_;
    if (paneOpen_) shown.view.pane.assign(log_.lines().begin(), log_.lines().end());
    if (screenSize_.rows > 0) fitToScreen(shown.view);
    if (tooSmall_) shown.shown.clear();
    return shown;
}

void TerminalHost::fitToScreen(ScreenView& view) {
    const CellSize needed = neededSize(view.fields);
    tooSmall_ = screenSize_.rows < needed.rows || screenSize_.columns < needed.columns;
    if (tooSmall_) {
        view.fields.clear();
        view.tooSmall = u"The window is too small for this form: make it at least " +
                        fromUtf8(std::to_string(needed.columns)) + u" columns by " +
                        fromUtf8(std::to_string(needed.rows)) + u" rows. Ctrl+Q quits.";
        return;
    }
    const auto focused = std::ranges::find_if(view.fields, &FieldView::focused);
    // Without a focused field the form keeps its place.
    CellRect keep =
        focused != view.fields.end() ? focused->frame : CellRect{offset_.row, offset_.column, 1, 1};
    view.paneRows = paneOpen_ ? paneRows(screenSize_.rows, keep.height, kPaneRows) : 0;
    view.formRows = screenSize_.rows - 1 - view.paneRows;

    CellSize extent;
    for (const FieldView& field : view.fields) {
        extent.rows = std::max(extent.rows, field.frame.row + field.frame.height);
        extent.columns = std::max(extent.columns, field.frame.column + field.frame.width);
    }
    // The caption left of the field comes along where there is room for both.
    if (focused != view.fields.end()) {
        const int captionStart = std::max(0, keep.column - cellWidth(focused->caption) - 1);
        if (keep.column + keep.width - captionStart <= screenSize_.columns) {
            keep.width += keep.column - captionStart;
            keep.column = captionStart;
        }
    }
    offset_.row =
        scrollOffset(offset_.row, keep.row, keep.row + keep.height, view.formRows, extent.rows);
    offset_.column = scrollOffset(offset_.column, keep.column, keep.column + keep.width,
                                  screenSize_.columns, extent.columns);
    for (FieldView& field : view.fields)
        shiftField(field, -offset_.row, -offset_.column);
}

void TerminalHost::start() {
    beepOnRefusal([&] { form_.focusFirst(); });
}

bool TerminalHost::press(const PressedKey& key) {
    if (const std::optional<Ending> ending = endingOf(key, prompting_)) {
        ending_ = *ending;
        return false;
    }
    if (tooSmall_) return true;  // the person cannot see what the keys would do
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
            const std::optional<std::int32_t> index = characterAtCell(
                control, scale_, {at.row + offset_.row, at.column + offset_.column});
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
        setScreenSize(getmaxy(session.screen()), getmaxx(session.screen()));
        painter.paint(session.screen(), screen().view);
        wrefresh(session.screen());

        const CursesInput input = readCursesInput(session.screen());
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
