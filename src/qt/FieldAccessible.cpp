#include "qt/FieldAccessible.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>

#include "control/Quelta.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "qt/FieldGeometry.h"
#include "qt/FieldWidgetPrivate.h"

namespace quelta::qt {
namespace {

// The control is looked up on each call: a write of a property fixed at run time replaces it.
QAccessibleInterface* fieldFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(FieldWidget::staticMetaObject.className())) return nullptr;
    auto* field = qobject_cast<FieldWidget*>(object);
    if (field == nullptr) return nullptr;
    return new FieldAccessible(
        field, {[field] { return FieldWidgetPrivate::of(*field).control().liveBox(); },
                [field] {
                    Quelta& control = FieldWidgetPrivate::of(*field).control();
                    return shownField(*field, *control.liveBox(), control.frameLabel(),
                                      !isTrue(control.MultiLine()));
                },
                [field] { return field->value(); }});
}

}  // namespace

FieldAccessible::FieldAccessible(QWidget* widget, AccessibleSource source)
    : QAccessibleWidget(widget, QAccessible::EditableText), source_(std::move(source)) {}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State FieldAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    if (const EditBox* box = source_.box()) {
        state.readOnly = isTrue(box->locked());
        state.editable = !state.readOnly;
        state.passwordEdit = box->isMasked();
        if (!isTrue(box->enabled())) state.disabled = true;
    }
    state.multiLine = false;
    if (const EditBox* box = source_.box(); box != nullptr && box->isMultiLine())
        state.multiLine = true;
    return state;
}

QString FieldAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return shownText();
    return QAccessibleWidget::text(kind);
}

QString FieldAccessible::shownText() const {
    const EditBox* box = source_.box();
    return box == nullptr ? QString() : QString::fromStdU16String(box->displayText());
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    const EditBox* box = source_.box();
    if (selectionIndex != 0 || box == nullptr || box->selLength() == 0) return;
    *startOffset = box->selStart();
    *endOffset = box->selStart() + box->selLength();
}

int FieldAccessible::selectionCount() const {
    const EditBox* box = source_.box();
    return box != nullptr && box->selLength() > 0 ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex) {
    if (EditBox* box = source_.box(); box != nullptr && selectionIndex == 0) {
        box->setSelLength(0);
        widget()->update();
    }
}

// Out-of-range offsets are clamped by the box; negative ones change nothing.
void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    EditBox* box = source_.box();
    if (box == nullptr || selectionIndex != 0 || startOffset < 0 || endOffset < startOffset) return;
    box->setSelStart(startOffset);
    box->setSelLength(endOffset - startOffset);
    widget()->update();
}

int FieldAccessible::cursorPosition() const {
    const EditBox* box = source_.box();
    return box == nullptr ? 0 : box->caret();
}

void FieldAccessible::setCursorPosition(int position) {
    setSelection(0, position, position);
}

QString FieldAccessible::text(int startOffset, int endOffset) const {
    const QString shown = shownText();
    const int from = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
    const int to = std::clamp(endOffset, from, static_cast<int>(shown.size()));
    return shown.mid(from, to - from);
}

int FieldAccessible::characterCount() const {
    return static_cast<int>(shownText().size());
}

QRect FieldAccessible::characterRect(int offset) const {
    if (source_.box() == nullptr) return {};
    const QRect local = qt::characterRect(source_.shown(), offset);
    return local.isEmpty() ? QRect() : QRect(widget()->mapToGlobal(local.topLeft()), local.size());
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const {
    if (source_.box() == nullptr) return -1;
    const QPoint local = widget()->mapFromGlobal(point);
    if (!widget()->rect().contains(local)) return -1;
    return characterAt(source_.shown(), local).value_or(-1);
}

// The box keeps the caret in view; a reader's wish to see a part moves the caret there.
void FieldAccessible::scrollToSubstring(int startIndex, int) {
    setCursorPosition(startIndex);
}

QString FieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // One font for the whole text: no attribute runs.
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return {};
}

QVariant FieldAccessible::currentValue() const {
    return source_.value();
}

void FieldAccessible::setCurrentValue(const QVariant& value) {
    widget()->setProperty("value", value);
}

void installFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(fieldFactory);
        return true;
    }();
    (void)installed;
}

void announceTextChange(QWidget& widget) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(&widget);
    if (field == nullptr) return;
    QAccessibleValueChangeEvent value(&widget, field->text(QAccessible::Value));
    QAccessible::updateAccessibility(&value);
    // The reader is told what was shown before; the widget keeps that while a reader runs.
    const char* const lastShown = "_quelta_accessible_text";
    const QString now = field->text(QAccessible::Value);
    QAccessibleTextUpdateEvent text(&widget, 0, widget.property(lastShown).toString(), now);
    widget.setProperty(lastShown, now);
    QAccessible::updateAccessibility(&text);
}

void announceCaret(QWidget& widget, int position) {
    if (!QAccessible::isActive()) return;
    QAccessibleTextCursorEvent caret(&widget, position);
    QAccessible::updateAccessibility(&caret);
}

}  // namespace quelta::qt
