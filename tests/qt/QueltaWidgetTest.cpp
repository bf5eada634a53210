// The Qt widget driven by real Qt events: keys typed into it, Tab and the automatic tab
// moving Qt's focus, the KeyPress handler, clicks and the signals.
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "control/Quelta.h"
#include "platform/editbox/EditBox.h"
#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "qt/EditPainter.h"
#include "qt/QtTextMeasurer.h"
#include "qt/QueltaWidget.h"
#include "qt/ShownWindow.h"

using namespace quelta;
using namespace quelta::qt;

class QueltaWidgetTest : public QObject {
    Q_OBJECT

private:
    static EditBox& box(QueltaWidget& field) { return *field.control().liveBox(); }

private slots:
    // The thread's region is the first widget's: the region tests run in a program of
    // their own (QueltaWidgetRegionTest).
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void typingFollowsTheDataType_data() {
        QTest::addColumn<int>("dataType");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("numeric refuses letters") << 4 << "12a.5b"
                                                 << "12.5";
        QTest::newRow("numeric types the region's separator for a comma") << 4 << "1,5"
                                                                          << "1.5";
        QTest::newRow("signed numeric takes a sign") << 5 << "-3x"
                                                     << "-3";
        QTest::newRow("upper case converts") << 2 << "ab1"
                                             << "AB1";
    }
    void typingFollowsTheDataType() {
        QFETCH(int, dataType);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QWidget window;
        auto* field = new QueltaWidget(&window);
        field->setDataType(dataType);
        field->setScaleDigits(2);
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, keys);
        QCOMPARE(field->text(), expected);
    }

    // The automatic tab and Tab move Qt's focus, and the platform's with it; the last
    // control hands the focus on to the next Qt widget.
    void tabAndAutoTabMoveQtFocus() {
        QWidget window;
        auto* code = new QueltaWidget(&window);
        auto* letter = new QueltaWidget(&window);
        auto* other = new QLineEdit(&window);
        letter->move(0, 40);
        other->move(0, 80);
        code->setMaxLength(2);
        code->setAutoTab(true);
        letter->setMaxLength(1);
        letter->setAutoTab(true);
        showActive(window);
        code->setFocus();

        QTest::keyClicks(code, QStringLiteral("12"));
        QCOMPARE(QApplication::focusWidget(), letter);
        QVERIFY(box(*letter).hasFocus());
        QVERIFY(!box(*code).hasFocus());

        QTest::keyClick(letter, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), code);
        QTest::keyClick(code, Qt::Key_Tab);
        QTest::keyClicks(letter, QStringLiteral("x"));
        QCOMPARE(QApplication::focusWidget(), other);
        QVERIFY(!box(*letter).hasFocus());
        QCOMPARE(letter->text(), QStringLiteral("x"));
    }

    void keyPressedHandlerChangesOrCancelsTheCharacter() {
        QWidget window;
        auto* field = new QueltaWidget(&window);
        connect(field, &QueltaWidget::keyPressed, [](int& keyAscii) {
            if (keyAscii == 'a') keyAscii = 'b';
            if (keyAscii == 'x') keyAscii = 0;
        });
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("axca"));
        QCOMPARE(field->text(), QStringLiteral("bcb"));
    }

    // A click lands on the character drawn under it, in a field scrolled to the end of its
    // text too: just right of the character's middle is behind it, just left before it.
    void clickLandsOnTheCharacterDrawnUnderIt() {
        QWidget window;
        auto* field = new QueltaWidget(&window);
        field->setText(QStringLiteral("0123456789abcdefghij"));
        field->resize(80, field->height());
        showActive(window);
        field->setFocus();
        EditBox& edit = box(*field);
        edit.setSelStart(20);
        const QFont font = qtFont(*edit.font());
        const QFontMetricsF metrics(font);
        const PixelLayout layout = fieldLayout(*field, edit, field->control().frameLabel(), true);
        for (const auto& [part, caret] : {std::pair{0.3, 16}, std::pair{0.7, 17}}) {
            const view::EditView shown =
                view::editView(edit, field->control().frameLabel(), pixelMetrics(layout, font));
            QVERIFY(shown.rows.at(0).x < 0);
            const double x = layout.text.left() + shown.rows[0].x +
                             metrics.horizontalAdvance(QStringLiteral("0123456789abcdef")) +
                             metrics.horizontalAdvance(QStringLiteral("g")) * part;
            QTest::mouseClick(field, Qt::LeftButton, {}, QPointF(x, field->height() / 2).toPoint());
            QCOMPARE(edit.selStart(), caret);
        }
        QCOMPARE(QApplication::focusWidget(), field);
    }

    void signalsFireOncePerChange() {
        QWidget window;
        auto* field = new QueltaWidget(&window);
        QSignalSpy changes(field, &QueltaWidget::changed);
        QSignalSpy clicks(field, &QueltaWidget::clicked);
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("ab"));
        QCOMPARE(changes.count(), 2);
        QTest::keyClick(field, Qt::Key_Left);
        QCOMPARE(changes.count(), 2);
        field->setText(QStringLiteral("c"));
        QCOMPARE(changes.count(), 3);
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    // Properties fixed at run time are taken as a designer takes them; a value the control
    // refuses is reported and changes nothing.
    void propertiesAreWrittenOrRefused() {
        QueltaWidget field;
        QSignalSpy refusals(&field, &QueltaWidget::refused);
        field.setText(QStringLiteral("ab"));
        QVERIFY(field.setProperty("alignment", 2));
        field.setMultiLine(true);
        QCOMPARE(field.alignment(), 2);
        QVERIFY(field.multiLine());
        QCOMPARE(field.text(), QStringLiteral("ab"));
        QCOMPARE(refusals.count(), 0);

        field.setDataType(99);
        field.setAlignment(9);
        field.setScaleDigits(100000);
        QCOMPARE(field.dataType(), 0);
        QCOMPARE(field.alignment(), 2);
        QCOMPARE(refusals.count(), 3);
        QCOMPARE(refusals.at(0).at(0).toString(), QStringLiteral("dataType"));
        QCOMPARE(refusals.at(0).at(1).toInt(), 380);
    }
};

QTEST_MAIN(QueltaWidgetTest)
#include "QueltaWidgetTest.moc"
