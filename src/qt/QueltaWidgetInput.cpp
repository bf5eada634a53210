// The widget's input: Qt's key, input method, mouse and focus events as the platform's.
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
#include "qt/QtKeys.h"
#include "qt/QtTextMeasurer.h"
#include "qt/QueltaWidget.h"
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

}  // namespace

// --- Keys ---------------------------------------------------------------------------------

void QueltaWidget::keyPressEvent(QKeyEvent* event) {
    feedKeys(true, event);
}

void QueltaWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) feedKeys(false, event);
}

// Text an input method composed arrives without keys: each of its characters is typed as
// the platform types a character its keyboard has no key for.
void QueltaWidget::inputMethodEvent(QInputMethodEvent* event) {
    for (const QChar character : event->commitString()) {
        const char16_t unit = character.unicode();
        postKeyInput({KeyInput::Kind::KeyDown, VK_PACKET, 0, 0});
        postKeyInput({KeyInput::Kind::Character, 0, unit, 0});
        postKeyInput({KeyInput::Kind::KeyUp, VK_PACKET, 0, 0});
    }
    deliverPendingKeys();
    event->accept();
}

void QueltaWidget::feedKeys(bool press, QKeyEvent* event) {
    // A widget with Qt's focus in a window that never became active has had no focus-in;
    // its box takes the platform's focus with the first key.
    if (EditBox* box = liveBox(); press && hasFocus() && box != nullptr && !box->hasFocus())
        beepOnRefusal([&] { form_->focus(*control_); });
    for (const KeyInput& input :
         keyInputsOf(press, event->key(), event->modifiers(), event->text()))
        postKeyInput(input);
    deliverPendingKeys();
    event->accept();
}

// Delivers the queue, the keys the control sends itself (its automatic tab) included. A
// key the control refuses with an automation error is answered as the platform answers a
// refused key: with the beep.
void QueltaWidget::deliverPendingKeys() {
    beepOnRefusal([&] {
        while (std::optional<KeyInput> input = takeKeyInput())
            deliver(*input);
    });
    afterInput();
}

// Qt owns Tab, as a form does: its key-down moves Qt's focus, which moves the platform's,
// and the rest of the press is dropped.
void QueltaWidget::deliver(const KeyInput& input) {
    const bool isTab = input.keyCode == VK_TAB ||
                       (input.kind == KeyInput::Kind::Character && input.character == u'\t');
    if (isTab && (input.shift & (kCtrlMask | kAltMask)) == 0) {
        if (input.kind == KeyInput::Kind::KeyDown)
            focusNextPrevChild((input.shift & kShiftMask) == 0);
        return;
    }
    if (auto box = EditBox::fromWindow(GetFocus())) box->deliver(input);
}

// --- Mouse --------------------------------------------------------------------------------

void QueltaWidget::mousePressEvent(QMouseEvent* event) {
    mouse(Mouse::Down, event);
}
void QueltaWidget::mouseReleaseEvent(QMouseEvent* event) {
    mouse(Mouse::Up, event);
}
void QueltaWidget::mouseMoveEvent(QMouseEvent* event) {
    mouse(Mouse::Move, event);
}
void QueltaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse(Mouse::DoubleClick, event);
}

// The character under the point, found in the view the widget drew, goes to the box at the
// point in twips where the box finds it again.
void QueltaWidget::mouse(Mouse action, QMouseEvent* event) {
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

// --- Focus and state ----------------------------------------------------------------------

void QueltaWidget::focusInEvent(QFocusEvent* event) {
    // A context menu closing gives back a focus the box never lost.
    if (event->reason() == Qt::PopupFocusReason && liveBox() != nullptr && liveBox()->hasFocus())
        return;
    beepOnRefusal([&] { form_->focus(*control_); });
    deliverPendingKeys();
}

void QueltaWidget::focusOutEvent(QFocusEvent* event) {
    // A context menu opening keeps the entry as it is, selection and all, as a line edit's.
    if (event->reason() == Qt::PopupFocusReason) return;
    // The control's focus loss completes and formats the entry.
    beepOnRefusal([&] {
        if (EditBox* box = control_->liveBox(); box != nullptr && box->hasFocus())
            box->giveUpFocus();
    });
    afterInput();
}

// --- Context menu and input methods -------------------------------------------------------

void QueltaWidget::contextMenuEvent(QContextMenuEvent* event) {
    execFieldContextMenu(*this, liveBox(), event->globalPos());  // FieldContextMenu.h
}

QVariant QueltaWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    EditBox* box = liveBox();
    if (box == nullptr) return QWidget::inputMethodQuery(query);
    const InputFacts facts{control_->DataType(), control_->ScaleDigits(),
                           QString::fromStdU16String(control_->Format()), box->isMasked(),
                           !isTrue(control_->MultiLine())};
    const QVariant answer =
        fieldInputMethodQuery(query, *this, *box, control_->frameLabel(), facts);
    return answer.isValid() ? answer : QWidget::inputMethodQuery(query);
}

}  // namespace quelta::qt
