#include "qt/designer/FieldWidgetPlugin.h"

#include <QIcon>

#include "quelta/qt/FieldWidget.h"

namespace quelta::qt {

FieldWidgetPlugin::FieldWidgetPlugin(QObject* parent) : QObject(parent) {}

// Designer names the widget by its class as C++ spells it, and writes that name into the .ui.
QString FieldWidgetPlugin::name() const {
    return QStringLiteral("quelta::qt::FieldWidget");
}

QString FieldWidgetPlugin::group() const {
    return QStringLiteral("Quelta");
}

QString FieldWidgetPlugin::toolTip() const {
    return QStringLiteral("Quelta field: typed text entry");
}

QString FieldWidgetPlugin::whatsThis() const {
    return QStringLiteral(
        "A text-entry field that knows the type of its value. dataType chooses text, lower or "
        "upper case, Boolean, numeric, signed numeric or date; keys that do not fit the type are "
        "refused while typing. format decides how the value is shown once the focus leaves "
        "(for example #,##0.00 or Long Date) and scaleDigits how many decimals a number keeps. "
        "With autoTab the focus moves on once maxLength characters are typed.");
}

QString FieldWidgetPlugin::includeFile() const {
    return QStringLiteral("quelta/qt/FieldWidget.h");
}

QIcon FieldWidgetPlugin::icon() const {
    return QIcon(QStringLiteral(":/quelta/designer/FieldWidget.xpm"));
}

bool FieldWidgetPlugin::isContainer() const {
    return false;
}

// In Designer the field takes the region of Designer's own QLocale, as it does in the
// application that loads the form.
QWidget* FieldWidgetPlugin::createWidget(QWidget* parent) {
    return new FieldWidget(parent);
}

bool FieldWidgetPlugin::isInitialized() const {
    return initialized_;
}

void FieldWidgetPlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

// A line's height and room for about twenty characters, as a line edit has; the name is
// Designer's first suggestion and becomes field_2, field_3 as more are dropped.
QString FieldWidgetPlugin::domXml() const {
    return QStringLiteral(R"(<ui language="c++">
 <widget class="quelta::qt::FieldWidget" name="field">
  <property name="geometry">
   <rect>
    <x>0</x>
    <y>0</y>
    <width>160</width>
    <height>24</height>
   </rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>quelta::qt::FieldWidget</class>
   <extends>QWidget</extends>
   <header>quelta/qt/FieldWidget.h</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}

}  // namespace quelta::qt
