// The widget in the region of its locale, de-DE here: the comma is the decimal separator
// and dates are day first. A program of its own, since the first widget of a thread
// chooses the thread's region.
#include <QLineEdit>
#include <QtTest>

#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "qt/QueltaWidget.h"
#include "qt/ShownWindow.h"

using namespace quelta;
using namespace quelta::qt;

class QueltaWidgetRegionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        pinClock(dateSerial(2001, 6, 15));
    }
    void cleanupTestCase() { unpinClock(); }

    void numericTypesTheRegionsComma() {
        QWidget window;
        auto* amount = new QueltaWidget(&window);
        amount->setDataType(4);
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
        auto* date = new QueltaWidget(&window);
        auto* next = new QLineEdit(&window);
        next->move(0, 40);
        date->setDataType(6);
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

QTEST_MAIN(QueltaWidgetRegionTest)
#include "QueltaWidgetRegionTest.moc"
