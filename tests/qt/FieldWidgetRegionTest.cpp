// The widget in the region of its locale, de-DE here: the comma is the decimal separator
// and dates are day first. A program of its own, since the first widget of a thread
// chooses the thread's region.
#include <QLineEdit>
#include <QtTest>

#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/FormWidget.h"
#include "qt/ShownWindow.h"

using namespace quelta;
using namespace quelta::qt;

class FieldWidgetRegionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        pinClock(dateSerial(2001, 6, 15));
    }
    void cleanupTestCase() { unpinClock(); }

    // First, while the thread has no region yet: a file written in en-US is read in the
    // widgets' region, so that its 1234.5 stays that number here.
    void aFormFileIsReadInTheWidgetsRegion() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("order.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "quelta-form", "version": 2, "region": "en-US", "controls": [
            {"extender": {"Name": "txtPrice", "Left": 0, "Top": 0, "Width": 1200, "Height": 300},
             "properties": {"DataType": 4, "Text": "1234.5"}}]})");
        file.close();
        std::unique_ptr<QWidget> form = loadFormWidget(path.toStdString());
        auto* price = form->findChild<FieldWidget*>(QStringLiteral("txtPrice"));
        QVERIFY(price != nullptr);
        QCOMPARE(price->value(), QVariant(1234.5));
        QCOMPARE(price->text(), QStringLiteral("1234,5"));
    }

    void numericTypesTheRegionsComma() {
        QWidget window;
        auto* amount = new FieldWidget(&window);
        amount->setDataType(FieldWidget::DataType::Numeric);
        amount->setScaleDigits(2);
        showActive(window);
        amount->setFocus();
        QTest::keyClicks(amount, QStringLiteral("12,5x"));
        QCOMPARE(amount->text(), QStringLiteral("12,5"));
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClicks(amount, QStringLiteral(".7"));
        QCOMPARE(amount->text(), QStringLiteral("12,7"));  // the point types the comma
    }

    void dateCompletesWhenTheFocusLeaves() {
        QWidget window;
        auto* date = new FieldWidget(&window);
        auto* next = new QLineEdit(&window);
        next->move(0, 40);
        date->setDataType(FieldWidget::DataType::DateTime);
        date->setFormat(QStringLiteral("Vesk Date"));
        showActive(window);
        date->setFocus();
        QTest::keyClicks(date, QStringLiteral("3112"));
        QCOMPARE(date->text(), QStringLiteral("3112"));
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        QCOMPARE(date->text(), QStringLiteral("31.12.2001"));
    }
};

QTEST_MAIN(FieldWidgetRegionTest)
#include "FieldWidgetRegionTest.moc"
