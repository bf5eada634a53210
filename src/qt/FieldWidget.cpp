// The installed Qt widget: the Qt host's own widget inside, filling it, so that the
// internal widget's headers stay out of the installed ones.
#include "quelta/qt/FieldWidget.h"

#include <QVBoxLayout>

#include "qt/QueltaWidget.h"

namespace quelta::qt {

FieldWidget::FieldWidget(QWidget* parent, const QString& region)
    : QWidget(parent), widget_(new QueltaWidget(this, region)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget_);
    setFocusProxy(widget_);
    setFocusPolicy(widget_->focusPolicy());
    connect(widget_, &QueltaWidget::changed, this, &FieldWidget::changed);
    connect(widget_, &QueltaWidget::keyPressed, this, &FieldWidget::keyPressed);
    connect(widget_, &QueltaWidget::clicked, this, &FieldWidget::clicked);
    connect(widget_, &QueltaWidget::doubleClicked, this, &FieldWidget::doubleClicked);
    connect(widget_, &QueltaWidget::refused, this, &FieldWidget::refused);
}

FieldWidget::~FieldWidget() = default;

QString FieldWidget::text() const {
    return widget_->text();
}
void FieldWidget::setText(const QString& text) {
    widget_->setText(text);
}
QString FieldWidget::value() const {
    return widget_->value();
}
void FieldWidget::setValue(const QString& value) {
    widget_->setValue(value);
}
QString FieldWidget::formattedText() const {
    return widget_->formattedText();
}
int FieldWidget::dataType() const {
    return widget_->dataType();
}
void FieldWidget::setDataType(int dataType) {
    widget_->setDataType(dataType);
}
QString FieldWidget::format() const {
    return widget_->format();
}
void FieldWidget::setFormat(const QString& format) {
    widget_->setFormat(format);
}
int FieldWidget::scaleDigits() const {
    return widget_->scaleDigits();
}
void FieldWidget::setScaleDigits(int digits) {
    widget_->setScaleDigits(digits);
}
bool FieldWidget::autoTab() const {
    return widget_->autoTab();
}
void FieldWidget::setAutoTab(bool autoTab) {
    widget_->setAutoTab(autoTab);
}
int FieldWidget::maxLength() const {
    return widget_->maxLength();
}
void FieldWidget::setMaxLength(int maxLength) {
    widget_->setMaxLength(maxLength);
}
int FieldWidget::alignment() const {
    return widget_->alignment();
}
void FieldWidget::setAlignment(int alignment) {
    widget_->setAlignment(alignment);
}
bool FieldWidget::locked() const {
    return widget_->locked();
}
void FieldWidget::setLocked(bool locked) {
    widget_->setLocked(locked);
}

}  // namespace quelta::qt
