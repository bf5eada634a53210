// The widget's way to its control's members: each Qt property is the control's member of
// the same name, reached through dispatch, so the member's row says how its value converts
// and which rules a write meets.
#include <QEvent>

#include "api/Dispatch.h"
#include "api/TypeLibrary.h"
#include "api/front/FieldCore.h"
#include "control/Quelta.h"
#include "form/Form.h"
#include "platform/AutomationError.h"
#include "qt/FieldValue.h"
#include "qt/FieldWidgetPrivate.h"

namespace quelta::qt {
namespace {

QString qtString(StringView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A member's value as Qt carries it, and back, by the member's declared type.
QVariant qtValue(ValueType type, const Variant& value) {
    switch (type) {
        case ValueType::Boolean:
            return value.toBool();
        case ValueType::String:
            return qtString(value.toString());
        case ValueType::Single:
            return static_cast<double>(value.toSingle());
        case ValueType::Color:
            return static_cast<uint>(value.toLong());
        case ValueType::Picture:
            return QString::fromStdString(detail::pictureSourceOf(value.toObject()));
        default:
            return static_cast<int>(value.toLong());
    }
}

Variant platformValue(ValueType type, const QVariant& value) {
    switch (type) {
        case ValueType::Boolean:
            return Variant::boolean(value.toBool());
        case ValueType::String:
            return Variant(value.toString().toStdU16String());
        case ValueType::Single:
            return Variant(static_cast<float>(value.toDouble()));
        case ValueType::Color:
            return Variant(static_cast<std::int32_t>(value.toUInt()));
        case ValueType::Picture:
            return Variant(detail::pictureOf(value.toString().toStdString()));
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

const MemberInfo& rowOf(std::string_view member) {
    return *memberByName(member);
}

}  // namespace

// A host's write: what it changes is no edit of the user's; a refusal is reported.
template <typename Action>
void FieldWidgetPrivate::asHost(const QString& property, Action&& action) {
    ++hostWrites_;
    try {
        action();
    } catch (const AutomationError& error) {
        emit q_.refused(property, error.number());
    }
    --hostWrites_;
    q_.updateGeometry();  // the size hint follows MaxLength, AutoSize, MultiLine and the font
    afterInput();
}

QVariant FieldWidgetPrivate::read(std::string_view member,
                                  std::initializer_list<int> arguments) const {
    const MemberInfo& row = rowOf(member);
    std::vector<Variant> passed;
    for (const int argument : arguments)
        passed.emplace_back(static_cast<std::int32_t>(argument));
    try {
        return qtValue(row.type, Invoke(*control_, row.dispid, InvokeKind::PropertyGet, passed));
    } catch (const AutomationError&) {
        return {};  // a row out of range, say: Qt's answer for no value
    }
}

// A write goes through the dispatch interface, so the member's own conversion and rules
// judge it. A property fixed while the application runs is a choice of the form's design:
// the widget takes it as a designer does (redesign).
void FieldWidgetPrivate::write(std::string_view member, const QVariant& value) {
    const MemberInfo& row = rowOf(member);
    asHost(qtPropertyName(row.name), [&] {
        Variant argument = platformValue(row.type, value);
        if (row.designTimeOnly && control_->container().userMode()) {
            redesign(row, argument);
        } else {
            const InvokeKind kind =
                (row.access & kSet) ? InvokeKind::PropertySet : InvokeKind::PropertyLet;
            Invoke(*control_, row.dispid, kind, {&argument, 1});
        }
    });
}

void FieldWidgetPrivate::call(std::string_view member) {
    const MemberInfo& row = rowOf(member);
    asHost(qtPropertyName(row.name),
           [&] { Invoke(*control_, row.dispid, InvokeKind::Method, {}); });
}

QVariant FieldWidgetPrivate::typedValue() const {
    const int dataType = control_->DataType();
    return qt::typedValue(dataType, control_->templateBox().text(), control_->Text());
}

void FieldWidgetPrivate::setTypedValue(const QVariant& value) {
    const std::optional<ValueWrite> written = valueWrite(control_->DataType(), value);
    if (!written) {
        emit q_.refused(QStringLiteral("value"), kErrTypeMismatch);
        return;
    }
    asHost(QStringLiteral("value"), [&] {
        if (written->asValue) {
            control_->letValue(written->text);
        } else {
            control_->letText(written->text);
        }
    });
}

// Writes the control's saved properties with the new value and loads the control from
// them again. The control's own rules judge the value first, on a control in a designer's
// form.
void FieldWidgetPrivate::redesign(const MemberInfo& row, Variant value) {
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
    if (q_.hasFocus()) form_->focus(*control_);
}

void FieldWidgetPrivate::enabledChanged() {
    write("Enabled", q_.isEnabled());
}

}  // namespace quelta::qt
