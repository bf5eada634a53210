// The widget's input: Qt's key, input method, mouse and focus events as the platform's, the
// edit slots as the commands of the keys, and the context menu and input methods' queries.
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

#include "control/Quelta.h"
#include "form/BeepOnRefusal.h"
#include "form/Form.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"
#include "qt/EditPainter.h"
#include "qt/FieldContextMenu.h"
#include "qt/FieldInputMethod.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/QtKeys.h"
#include "qt/QtTextMeasurer.h"
#include "view/HitTest.h"

namespace quelta::qt {
namespace {

std::int16_t buttonsOf(Qt::MouseButtons buttons) {
    std::int16_t pressed = 0;
    if (buttons & Qt::LeftButton) pressed |= 1;
    if (buttons & Qt::RightButton) pressed |= 2;
    if (buttons & Qt::MiddleButton) pressed |= 4;
    return pressed;
}

constexpr char16_t kUndoCharacter = 0x1A;  // Ctrl+Z

}  // namespace

// --- Keys ---------------------------------------------------------------------------------

void FieldWidgetPrivate::key(bool press, QKeyEvent* event) {
    event->accept();
    if (!press && event->isAutoRepeat()) return;
    // A widget with Qt's focus in a window that never became active has had no focus-in;
    // its box takes the platform's focus with the first key.
    if (EditBox* box = liveBox(); press && q_.hasFocus() && box != nullptr && !box->hasFocus())
        beepOnRefusal([&] { form_->focus(*control_); });
    for (const KeyInput& input :
         keyInputsOf(press, event->key(), event->modifiers(), event->text()))
        postKeyInput(input);
    deliverPendingKeys();
    if (press && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        emit q_.returnPressed();
}

// Text an input method composed arrives without keys: each of its characters is typed as
// the platform types a character its keyboard has no key for.
void FieldWidgetPrivate::inputMethod(QInputMethodEvent* event) {
    for (const QChar character : event->commitString()) {
        const char16_t unit = character.unicode();
        postKeyInput({KeyInput::Kind::KeyDown, VK_PACKET, 0, 0});
        postKeyInput({KeyInput::Kind::Character, 0, unit, 0});
        postKeyInput({KeyInput::Kind::KeyUp, VK_PACKET, 0, 0});
    }
    deliverPendingKeys();
    event->accept();
}

// Delivers the queue, the keys the control sends itself (its automatic tab) included. A
// key the control refuses with an automation error is answered as the platform answers a
// refused key: with the beep.
void FieldWidgetPrivate::deliverPendingKeys() {
    beepOnRefusal([&] {
        while (std::optional<KeyInput> input = takeKeyInput())
            deliver(*input);
    });
    afterInput();
}

// Qt owns Tab, as a form does: its key-down moves Qt's focus, which moves the platform's,
// and the rest of the press is dropped. A character that reaches the control's KeyPress
// reaches the host; one that does not was refused by the data type.
void FieldWidgetPrivate::deliver(const KeyInput& input) {
    const bool isTab = input.keyCode == VK_TAB ||
                       (input.kind == KeyInput::Kind::Character && input.character == u'\t');
    if (isTab && (input.shift & (kCtrlMask | kAltMask)) == 0) {
        if (input.kind == KeyInput::Kind::KeyDown)
            q_.focusNextPrevChild((input.shift & kShiftMask) == 0);
        return;
    }
    const auto box = EditBox::fromWindow(GetFocus());
    if (!box) return;
    if (input.kind != KeyInput::Kind::Character || box.get() != control_->liveBox() ||
        !isTrue(box->enabled())) {
        box->deliver(input);
        return;
    }
    keyReachedHost_ = false;
    undoing_ = input.character == kUndoCharacter;
    box->deliver(input);
    undoing_ = false;
    if (!keyReachedHost_) emit q_.inputRejected();
}

// --- Edit commands ------------------------------------------------------------------------

void FieldWidgetPrivate::edit(EditCommand command) {
    if (EditBox* box = control_->liveBox()) beepOnRefusal([&] { box->perform(command); });
    afterInput();
}

// The platform's box keeps one undo step and swaps it when undoing, so undoing an undo
// redoes; a redo is that, offered only while the last change was an undo.
void FieldWidgetPrivate::undo(bool redo) {
    if (redo && !redoable_) return;
    undoing_ = true;
    edit(EditCommand::Undo);
    undoing_ = false;
    if (redo) redoable_ = false;
}

// --- Mouse --------------------------------------------------------------------------------

// The character under the point, found in the view the widget drew, goes to the box at the
// point in twips where the box finds it again.
void FieldWidgetPrivate::mouse(Mouse action, QMouseEvent* event) {
    EditBox* box = liveBox();
    if (box == nullptr) return;
    const QFont font = qtFont(*box->font());
    const PixelLayout layout = layoutOf(*box);
    const view::ViewMetrics metrics = pixelMetrics(layout, font);
    const view::EditView shown = view::editView(*box, control_->frameLabel(), metrics);
    const QPointF at = event->position();
    const std::optional<std::int32_t> index = view::characterAt(
        shown, metrics, at.x() - layout.text.left(), at.y() - layout.text.top(), layout.lineHeight);
    if (!index) return;
    const view::BoxPoint point = view::boxPointOf(*box, *index);
    const std::int16_t shift = shiftStateOf(event->modifiers());
    beepOnRefusal([&] {
        switch (action) {
            case Mouse::Down:
                box->mouseDown(buttonsOf(event->button()), shift, point.x, point.y);
                break;
            case Mouse::Up:
                box->mouseUp(buttonsOf(event->button()), shift, point.x, point.y);
                break;
            case Mouse::Move:
                box->mouseMove(buttonsOf(event->buttons()), shift, point.x, point.y);
                break;
            case Mouse::DoubleClick:
                box->mouseDoubleClick(buttonsOf(event->button()), shift, point.x, point.y);
                break;
        }
    });
    afterInput();
}

// --- Focus --------------------------------------------------------------------------------

void FieldWidgetPrivate::focusIn(QFocusEvent* event) {
    // A context menu closing gives back a focus the box never lost.
    if (event->reason() == Qt::PopupFocusReason && liveBox() != nullptr && liveBox()->hasFocus())
        return;
    beepOnRefusal([&] { form_->focus(*control_); });
    deliverPendingKeys();
}

// The control's focus loss completes and formats the entry; then the editing is finished.
// A popup (a context menu) takes Qt's focus for a moment only, and leaves the entry open.
void FieldWidgetPrivate::focusOut(QFocusEvent* event) {
    if (event->reason() == Qt::PopupFocusReason) return;
    bool left = false;
    beepOnRefusal([&] {
        if (EditBox* box = control_->liveBox(); box != nullptr && box->hasFocus()) {
            left = true;
            box->giveUpFocus();
        }
    });
    afterInput();
    if (left) emit q_.editingFinished();
}

// --- Context menu and input methods -------------------------------------------------------

void FieldWidgetPrivate::contextMenu(QContextMenuEvent* event) {
    execFieldContextMenu(q_, event->globalPos());  // FieldContextMenu.h
}

// Null where the field has no answer, so that QWidget's answers.
QVariant FieldWidgetPrivate::inputMethodQuery(Qt::InputMethodQuery query) const {
    EditBox* box = liveBox();
    if (box == nullptr) return {};
    const InputFacts facts{control_->DataType(), control_->ScaleDigits(),
                           QString::fromStdU16String(control_->Format()), box->isMasked(),
                           !isTrue(control_->MultiLine())};
    return fieldInputMethodQuery(query, q_, *box, control_->frameLabel(), facts);
}

}  // namespace quelta::qt
