// The widget's Qt properties and its way to the dispatch interface. Each Qt property is the
// control's member of the same name, reached through dispatch, so the member's row says how
// its value converts and which rules a write meets.
#include <QEvent>

#include "api/TypeLibrary.h"
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

// A member's value as Qt carries it, and back, by the member's declared type: a flag as a
// bool, text as a QString, every number (Integer, Long, an enumeration) as an int.
QVariant qtValue(ValueType type, const Variant& value) {
    switch (type) {
        case ValueType::Boolean:
            return value.toBool();
        case ValueType::String:
            return qtString(value.toString());
        default:
            return static_cast<int>(value.toLong());
    }
}

Variant platformValue(ValueType type, const QVariant& value) {
    switch (type) {
        case ValueType::Boolean:
            return Variant::boolean(value.toBool());
        case ValueType::String:
            return Variant(platformString(value.toString()));
        default:
            return Variant(static_cast<std::int32_t>(value.toInt()));
    }
}

// The Qt property of a member is named after it, starting in lower case (maxLength).
QString qtPropertyName(std::string_view member) {
    QString name = QString::fromLatin1(member.data(), static_cast<qsizetype>(member.size()));
    name[0] = name[0].toLower();
    return name;
}

}  // namespace

template <typename Write>
void QueltaWidget::write(const QString& property, Write&& write) {
    try {
        write(*control_);
    } catch (const AutomationError& error) {
        emit refused(property, error.number());
    }
    updateGeometry();  // FieldSizeHint.h: the hint follows MaxLength, AutoSize, MultiLine
    afterInput();
}

QVariant QueltaWidget::controlProperty(std::string_view member) const {
    const MemberInfo& row = *memberByName(member);
    return qtValue(row.type, Invoke(*control_, row.dispid, InvokeKind::PropertyGet, {}));
}

// A write goes through the dispatch interface, so the member's own conversion and rules
// judge it. A property fixed while the application runs is a choice of the form's design:
// the widget takes it as a designer does (redesign).
void QueltaWidget::setControlProperty(std::string_view member, const QVariant& value) {
    const MemberInfo& row = *memberByName(member);
    Variant argument = platformValue(row.type, value);
    write(qtPropertyName(row.name), [&](Quelta& c) {
        if (row.designTimeOnly && c.container().userMode()) {
            redesign(row, argument);
        } else {
            Invoke(c, row.dispid, InvokeKind::PropertyLet, {&argument, 1});
        }
    });
}

// Writes the control's saved properties with the new value and loads the control from
// them again. The control's own rules judge the value first, on a control in a designer's
// form.
void QueltaWidget::redesign(const MemberInfo& row, Variant value) {
    Form designer;
    designer.setUserMode(false);
    Invoke(designer.addControl(u"designed"), row.dispid, InvokeKind::PropertyLet, {&value, 1});
    StoredForm design = form_->store();
    design.controls.front().properties.write(row.wideName(), value);
    try {
        form_->replaceWith(design, "(widget)");
    } catch (const FormFileError&) {
        raiseError(kErrInvalidPropertyValue);
    }
    control_ = form_->controls().front();
    if (hasFocus()) form_->focus(*control_);
}

QString QueltaWidget::text() const {
    return controlProperty("Text").toString();
}
void QueltaWidget::setText(const QString& text) {
    setControlProperty("Text", text);
}
QString QueltaWidget::value() const {
    return controlProperty("Value").toString();
}
void QueltaWidget::setValue(const QString& value) {
    setControlProperty("Value", value);
}
QString QueltaWidget::formattedText() const {
    return controlProperty("FormattedText").toString();
}
int QueltaWidget::dataType() const {
    return controlProperty("DataType").toInt();
}
void QueltaWidget::setDataType(int dataType) {
    setControlProperty("DataType", dataType);
}
QString QueltaWidget::format() const {
    return controlProperty("Format").toString();
}
void QueltaWidget::setFormat(const QString& format) {
    setControlProperty("Format", format);
}
int QueltaWidget::scaleDigits() const {
    return controlProperty("ScaleDigits").toInt();
}
void QueltaWidget::setScaleDigits(int digits) {
    setControlProperty("ScaleDigits", digits);
}
bool QueltaWidget::autoTab() const {
    return controlProperty("AutoTab").toBool();
}
void QueltaWidget::setAutoTab(bool autoTab) {
    setControlProperty("AutoTab", autoTab);
}
int QueltaWidget::maxLength() const {
    return controlProperty("MaxLength").toInt();
}
void QueltaWidget::setMaxLength(int maxLength) {
    setControlProperty("MaxLength", maxLength);
}
int QueltaWidget::alignment() const {
    return controlProperty("Alignment").toInt();
}
void QueltaWidget::setAlignment(int alignment) {
    setControlProperty("Alignment", alignment);
}
bool QueltaWidget::multiLine() const {
    return controlProperty("MultiLine").toBool();
}
void QueltaWidget::setMultiLine(bool multiLine) {
    setControlProperty("MultiLine", multiLine);
}
bool QueltaWidget::locked() const {
    return controlProperty("Locked").toBool();
}
void QueltaWidget::setLocked(bool locked) {
    setControlProperty("Locked", locked);
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
        setControlProperty("Enabled", isEnabled());
    }
    if (event->type() == QEvent::FontChange && control_ != nullptr) {
        font_.follow(*control_, font());  // WidgetFont.h
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace quelta::qt
