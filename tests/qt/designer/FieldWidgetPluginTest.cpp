// The Designer plugin as QUiLoader meets it, loaded from its build folder by a program that
// does not link the widget: every field here comes from the plugin, found by the class name
// the .ui gives.
#include <QUiLoader>
#include <QtTest>
#include <memory>

class FieldWidgetPluginTest : public QObject {
    Q_OBJECT

private slots:
    // The example's order form, as Designer saves it: what was set there arrives in the fields.
    void uiPropertiesArrive() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(QUELTA_DESIGNER_PLUGIN_DIR));
        QFile ui(QStringLiteral(QUELTA_ORDER_UI));
        QVERIFY(ui.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> form(loader.load(&ui));
        QVERIFY2(form, qPrintable(loader.errorString()));
        // Each value as text: an enumeration reads as its key, which a plain int would not.
        const std::tuple<const char*, const char*, const char*> set[] = {
            {"txtQuantity", "dataType", "Numeric"},
            {"txtQuantity", "format", "#,##0"},
            {"txtQuantity", "autoTab", "true"},
            {"txtPrice", "scaleDigits", "2"}};
        for (const auto& [name, property, value] : set) {
            QWidget* field = form->findChild<QWidget*>(QLatin1String(name));
            // A class or property the plugin does not give would be a plain or dynamic one.
            QVERIFY2(field && field->dynamicPropertyNames().isEmpty(), name);
            QCOMPARE(field->metaObject()->className(), "quelta::qt::FieldWidget");
            QCOMPARE(field->property(property).toString(), QLatin1String(value));
        }
    }
};

QTEST_MAIN(FieldWidgetPluginTest)
#include "FieldWidgetPluginTest.moc"
