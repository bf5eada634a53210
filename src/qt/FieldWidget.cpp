// The installed Qt widget: one QWidget, whose inside (FieldWidgetPrivate) holds the control
// and the platform's types, so that none of them shows in the installed header. Its
// properties are generated (FieldWidgetProperties.cpp); here are its events and slots.
#include "quelta/qt/FieldWidget.h"

#include <QEvent>

#include "qt/FieldWidgetPrivate.h"

namespace quelta::qt {

FieldWidget::FieldWidget(QWidget* parent, const QString& region)
    : QWidget(parent), d_(std::make_unique<FieldWidgetPrivate>(*this, region)) {}

FieldWidget::~FieldWidget() = default;

QSize FieldWidget::sizeHint() const {
    return d_->sizeHint();
}
QSize FieldWidget::minimumSizeHint() const {
    return d_->minimumSizeHint();
}
QVariant FieldWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    const QVariant answer = d_->inputMethodQuery(query);
    return answer.isValid() ? answer : QWidget::inputMethodQuery(query);
}

void FieldWidget::undo() {
    d_->undo(false);
}
void FieldWidget::redo() {
    d_->undo(true);
}
void FieldWidget::selectAll() {
    d_->edit(EditCommand::SelectAll);
}
void FieldWidget::copy() {
    d_->edit(EditCommand::Copy);
}
void FieldWidget::cut() {
    d_->edit(EditCommand::Cut);
}
void FieldWidget::paste() {
    d_->edit(EditCommand::Paste);
}
void FieldWidget::clear() {
    d_->edit(EditCommand::SelectAll);
    d_->edit(EditCommand::DeleteForward);
}

void FieldWidget::paintEvent(QPaintEvent*) {
    d_->paint();
}
// Qt may resize or restyle a widget while it is still being made.
void FieldWidget::resizeEvent(QResizeEvent*) {
    if (d_) d_->resized();
}
void FieldWidget::keyPressEvent(QKeyEvent* event) {
    d_->key(true, event);
}
void FieldWidget::keyReleaseEvent(QKeyEvent* event) {
    d_->key(false, event);
}
void FieldWidget::inputMethodEvent(QInputMethodEvent* event) {
    d_->inputMethod(event);
}
void FieldWidget::mousePressEvent(QMouseEvent* event) {
    d_->mouse(FieldWidgetPrivate::Mouse::Down, event);
}
void FieldWidget::mouseReleaseEvent(QMouseEvent* event) {
    d_->mouse(FieldWidgetPrivate::Mouse::Up, event);
}
void FieldWidget::mouseMoveEvent(QMouseEvent* event) {
    d_->mouse(FieldWidgetPrivate::Mouse::Move, event);
}
void FieldWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    d_->mouse(FieldWidgetPrivate::Mouse::DoubleClick, event);
}
void FieldWidget::focusInEvent(QFocusEvent* event) {
    d_->focusIn(event);
}
void FieldWidget::focusOutEvent(QFocusEvent* event) {
    d_->focusOut(event);
}
void FieldWidget::contextMenuEvent(QContextMenuEvent* event) {
    d_->contextMenu(event);
}

// `enabled` and the font are QWidget's own; the control follows them.
void FieldWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && d_) d_->enabledChanged();
    if (event->type() == QEvent::FontChange && d_) d_->fontChanged();
    QWidget::changeEvent(event);
}

void FieldWidget::connectNotify(const QMetaMethod& signal) {
    d_->watch(signal);
    QWidget::connectNotify(signal);
}

}  // namespace quelta::qt
