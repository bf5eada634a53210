// The widget's Qt properties and its way to the dispatch interface.
#include <QEvent>

#include "control/Quelta.h"
#include "form/Form.h"
#include "platform/AutomationError.h"
#include "qt/QueltaWidget.h"

namespace quelta::qt {
namespace {

QString qtString(StringView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

String platformString(const QString& text) {
    return text.toStdU16String();
}

}  // namespace

template <typename Write>
void QueltaWidget::write(const char* property, Write&& write) {
    try {
        write(*control_);
    } catch (const AutomationError& error) {
        emit refused(QString::fromLatin1(property), error.number());
    }
    afterInput();
}

// A property fixed while the application runs (Alignment, MultiLine, ...) is a choice of
// the form's design: the widget takes it as a designer does, by writing the control's
// saved properties with the new value and loading the control from them again.
void QueltaWidget::writeDesigned(const char* property, StringView name, Variant value) {
    write(property, [&](Quelta& c) {
        try {
            Invoke(c, GetIDsOfNames(name), InvokeKind::PropertyLet, {&value, 1});
            return;
        } catch (const AutomationError& error) {
            if (error.number() != kErrSetNotPermitted) throw;
        }
        // The control's own rules judge the value, on a control in a designer's form.
        Form designer;
        designer.setUserMode(false);
        Invoke(designer.addControl(u"designed"), GetIDsOfNames(name), InvokeKind::PropertyLet,
               {&value, 1});
        StoredForm design = form_->store();
        design.controls.front().properties.write(name, value);
        try {
            form_->replaceWith(design, "(widget)");
        } catch (const FormFileError&) {
            raiseError(kErrInvalidPropertyValue);
        }
        control_ = form_->controls().front();
        if (hasFocus()) form_->focus(*control_);
    });
}

QString QueltaWidget::text() const {
    return qtString(control_->Text());
}
void QueltaWidget::setText(const QString& text) {
    write("text", [&](Quelta& c) { c.letText(platformString(text)); });
}
QString QueltaWidget::value() const {
    return qtString(control_->Value());
}
void QueltaWidget::setValue(const QString& value) {
    write("value", [&](Quelta& c) { c.letValue(platformString(value)); });
}
QString QueltaWidget::formattedText() const {
    return qtString(control_->FormattedText());
}
int QueltaWidget::dataType() const {
    return control_->DataType();
}
void QueltaWidget::setDataType(int dataType) {
    write("dataType", [&](Quelta& c) { c.letDataType(dataType); });
}
QString QueltaWidget::format() const {
    return qtString(control_->Format());
}
void QueltaWidget::setFormat(const QString& format) {
    write("format", [&](Quelta& c) { c.letFormat(platformString(format)); });
}
int QueltaWidget::scaleDigits() const {
    return control_->ScaleDigits();
}
void QueltaWidget::setScaleDigits(int digits) {
    write("scaleDigits", [&](Quelta& c) {
        // Through the dispatch interface, which checks the range of the narrower type.
        Variant value(static_cast<std::int32_t>(digits));
        Invoke(c, GetIDsOfNames(u"ScaleDigits"), InvokeKind::PropertyLet, {&value, 1});
    });
}
bool QueltaWidget::autoTab() const {
    return isTrue(control_->AutoTab());
}
void QueltaWidget::setAutoTab(bool autoTab) {
    write("autoTab", [&](Quelta& c) { c.letAutoTab(toBoolean(autoTab)); });
}
int QueltaWidget::maxLength() const {
    return control_->MaxLength();
}
void QueltaWidget::setMaxLength(int maxLength) {
    write("maxLength", [&](Quelta& c) { c.letMaxLength(maxLength); });
}
int QueltaWidget::alignment() const {
    return control_->Alignment();
}
void QueltaWidget::setAlignment(int alignment) {
    writeDesigned("alignment", u"Alignment", Variant(static_cast<std::int32_t>(alignment)));
}
bool QueltaWidget::multiLine() const {
    return isTrue(control_->MultiLine());
}
void QueltaWidget::setMultiLine(bool multiLine) {
    writeDesigned("multiLine", u"MultiLine", Variant::boolean(multiLine));
}
bool QueltaWidget::locked() const {
    return isTrue(control_->Locked());
}
void QueltaWidget::setLocked(bool locked) {
    write("locked", [&](Quelta& c) { c.letLocked(toBoolean(locked)); });
}

QString QueltaWidget::controlName() const {
    try {
        return qtString(control_->container().extenderProperty(u"Name").toString());
    } catch (const AutomationError&) {
        return {};
    }
}

Variant QueltaWidget::invoke(const QString& member, InvokeKind kind, std::span<Variant> arguments) {
    Variant result = Invoke(*control_, GetIDsOfNames(platformString(member)), kind, arguments);
    afterInput();
    return result;
}

void QueltaWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && control_ != nullptr) {
        write("enabled", [this](Quelta& c) { c.letEnabled(toBoolean(isEnabled())); });
    }
    QWidget::changeEvent(event);
}

}  // namespace quelta::qt
