// The Qt widget driven by real Qt events: keys typed into it, Tab and the automatic tab
// moving Qt's focus, the key hook, clicks, the signals and the edit slots.
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "api/TypeLibrary.h"
#include "control/Quelta.h"
#include "platform/editbox/EditBox.h"
#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "qt/EditPainter.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/QtTextMeasurer.h"
#include "qt/ShownWindow.h"

using namespace quelta;
using namespace quelta::qt;

class FieldWidgetTest : public QObject {
    Q_OBJECT

private:
    static Quelta& control(FieldWidget& field) { return FieldWidgetPrivate::of(field).control(); }
    static EditBox& box(FieldWidget& field) { return *control(field).liveBox(); }

private slots:
    // The thread's region is the first widget's: the region tests run in a program of
    // their own (FieldWidgetRegionTest).
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
        auto* field = new FieldWidget(&window);
        field->setDataType(FieldWidget::DataType(dataType));
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
        auto* code = new FieldWidget(&window);
        auto* letter = new FieldWidget(&window);
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

    // A handler connected without a connection type changes the key through the event.
    void keyHookChangesOrCancelsTheCharacter() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        connect(field, &FieldWidget::keyPressed, [](KeyEvent* key) {
            if (key->key() == 'a') key->setKey('b');
            if (key->key() == 'x') key->cancel();
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
        auto* field = new FieldWidget(&window);
        field->setText(QStringLiteral("0123456789abcdefghij"));
        field->resize(80, field->height());
        showActive(window);
        field->setFocus();
        EditBox& edit = box(*field);
        edit.setSelStart(20);
        const QFont font = qtFont(*edit.font());
        const QFontMetricsF metrics(font);
        const PixelLayout layout = fieldLayout(*field, edit, control(*field).frameLabel(), true);
        for (const auto& [part, caret] : {std::pair{0.3, 16}, std::pair{0.7, 17}}) {
            const view::EditView shown =
                view::editView(edit, control(*field).frameLabel(), pixelMetrics(layout, font));
            QVERIFY(shown.rows.at(0).x < 0);
            const double x = layout.text.left() + shown.rows[0].x +
                             metrics.horizontalAdvance(QStringLiteral("0123456789abcdef")) +
                             metrics.horizontalAdvance(QStringLiteral("g")) * part;
            QTest::mouseClick(field, Qt::LeftButton, {}, QPointF(x, field->height() / 2).toPoint());
            QCOMPARE(edit.selStart(), caret);
        }
        QCOMPARE(QApplication::focusWidget(), field);
    }

    // textEdited is the user's, textChanged anyone's; editingFinished comes once per focus
    // exit, when the field shows its formatted value already.
    void signalsKeepTheirOrder() {
        QStringList order;  // outlives the window, whose end takes the focus once more
        QWidget window;
        auto* field = new FieldWidget(&window);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        field->setDataType(FieldWidget::DataType::Numeric);
        field->setFormat(QStringLiteral("0.00"));
        connect(field, &FieldWidget::textEdited,
                [&](const QString& text) { order << "edited " + text; });
        connect(field, &FieldWidget::textChanged,
                [&](const QString& text) { order << "changed " + text; });
        connect(field, &FieldWidget::editingFinished,
                [&] { order << "finished " + field->formattedText(); });
        QSignalSpy clicks(field, &FieldWidget::clicked);
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("5"));
        field->setText(QStringLiteral("7"));
        other->setFocus();
        field->setFocus();
        other->setFocus();
        QCOMPARE(order, (QStringList{"edited 5", "changed 5", "changed 7", "finished 7.00",
                                     "finished 7.00"}));
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    void aRefusedCharacterIsReported() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        field->setDataType(FieldWidget::DataType::Numeric);
        QSignalSpy rejected(field, &FieldWidget::inputRejected);
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("1a2"));
        QCOMPARE(field->text(), QStringLiteral("12"));
        QCOMPARE(rejected.count(), 1);
    }

    // The slots act as the keys do: on the selection, with one undo step, not in a locked
    // field.
    void editSlotsActAsTheKeys() {
        FieldWidget field;
        QSignalSpy edits(&field, &FieldWidget::textEdited);
        QSignalSpy selections(&field, &FieldWidget::selectionChanged);
        field.setText(QStringLiteral("abc"));
        field.selectAll();
        QCOMPARE(field.selLength(), 3);
        QCOMPARE(selections.count(), 1);
        field.copy();
        field.clear();
        QCOMPARE(field.text(), QString());
        field.paste();
        field.paste();
        QCOMPARE(field.text(), QStringLiteral("abcabc"));
        field.undo();
        QCOMPARE(field.text(), QStringLiteral("abc"));
        field.redo();
        QCOMPARE(field.text(), QStringLiteral("abcabc"));
        field.redo();  // nothing undone to redo
        QCOMPARE(field.text(), QStringLiteral("abcabc"));
        QCOMPARE(edits.count(), 5);
        field.setLocked(true);
        field.selectAll();
        field.cut();
        QCOMPARE(field.text(), QStringLiteral("abcabc"));
    }

    // Every property the widget has is the control's member of that name, and reads back
    // what was written to it, or is refused. A new value per type, so that a setter that
    // wrote a neighbouring member would show.
    void everyPropertyIsTheMembersOwn() {
        FieldWidget field;
        field.setText(QStringLiteral("abcdef"));
        QSignalSpy refusals(&field, &FieldWidget::refused);
        const QMetaObject& meta = FieldWidget::staticMetaObject;
        QVERIFY(meta.propertyCount() - meta.propertyOffset() > 35);
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            const QByteArray name = property.name();
            QVERIFY2(memberByName(std::string_view(name.constData())) != nullptr, name);
            QVERIFY2(property.hasNotifySignal(), name);
            if (!property.isWritable() || name == "value") continue;
            const QVariant before = field.property(name);
            QVariant changed;
            if (property.isEnumType()) {
                const QMetaEnum type = property.enumerator();
                changed = type.value(type.keyCount() - 1);
            } else if (before.typeId() == QMetaType::Bool) {
                changed = !before.toBool();
            } else if (before.typeId() == QMetaType::QString) {
                changed = QStringLiteral("X");
            } else {
                changed = before.toLongLong() + 1;
                changed.convert(before.metaType());
            }
            const qsizetype refused = refusals.count();
            QVERIFY2(field.setProperty(name, changed), name);
            if (refusals.count() > refused) {
                QCOMPARE(refusals.last().at(0).toString(), QString::fromLatin1(name));
                continue;
            }
            QVariant after = field.property(name);
            if (name == "selText") after = field.text().mid(field.selStart() - 1, 1);  // typed in
            if (property.isEnumType()) after.convert(QMetaType::fromType<int>());
            QVERIFY2(after.toString() == changed.toString(),
                     name + " reads " + after.toString().toLatin1());
        }
        QCOMPARE(refusals.count(), 1);  // mouseIcon: there is no picture file X
        QCOMPARE(QMetaEnum::fromType<FieldWidget::DataType>().valueToKey(6), "DateTime");
    }

    // Properties fixed at run time are taken as a designer takes them; a value the control
    // refuses is reported and changes nothing.
    void propertiesAreWrittenOrRefused() {
        FieldWidget field;
        QSignalSpy refusals(&field, &FieldWidget::refused);
        field.setText(QStringLiteral("ab"));
        QVERIFY(field.setProperty("alignment", 2));
        field.setMultiLine(true);
        QCOMPARE(field.alignment(), FieldWidget::Alignment::Center);
        QVERIFY(field.multiLine());
        QCOMPARE(field.text(), QStringLiteral("ab"));
        QCOMPARE(refusals.count(), 0);

        field.setProperty("dataType", 99);
        field.setAlignment(FieldWidget::Alignment(9));
        field.setScaleDigits(100000);
        field.setValue(QPoint(1, 2));
        QCOMPARE(field.dataType(), FieldWidget::DataType::Text);
        QCOMPARE(field.alignment(), FieldWidget::Alignment::Center);
        QCOMPARE(refusals.count(), 4);
        QCOMPARE(refusals.at(0).at(0).toString(), QStringLiteral("dataType"));
        QCOMPARE(refusals.at(0).at(1).toInt(), 380);
        QCOMPARE(refusals.at(3).at(0).toString(), QStringLiteral("value"));
        QCOMPARE(refusals.at(3).at(1).toInt(), 13);
    }

    // value carries the data type's Qt type both ways, and nothing for an empty field (a
    // numeric one shows 0 once formatted, and so is never empty but while edited).
    void valueIsTypedByTheDataType_data() {
        QTest::addColumn<int>("dataType");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value");
        const QDate newYearsEve(2001, 12, 31);
        QTest::newRow("numeric") << 4 << ""
                                 << "1234.5" << QVariant(1234.5);
        QTest::newRow("signed numeric") << 5 << ""
                                        << "-0.125" << QVariant(-0.125);
        QTest::newRow("Boolean") << 3 << ""
                                 << "True" << QVariant(true);
        QTest::newRow("no date") << 6 << ""
                                 << "" << QVariant();
        QTest::newRow("date") << 6 << ""
                              << "12/31/2001" << QVariant(QDateTime(newYearsEve, {}));
        QTest::newRow("date and time")
            << 6 << "mm/dd/yyyy hh:nn"
            << "12/31/2001 3:15:00 PM" << QVariant(QDateTime(newYearsEve, QTime(15, 15)));
        QTest::newRow("time of day") << 6 << "Long Time"
                                     << "3:15:00 PM" << QVariant(QTime(15, 15));
        QTest::newRow("text") << 0 << ""
                              << "abc" << QVariant(QStringLiteral("abc"));
    }
    void valueIsTypedByTheDataType() {
        QFETCH(int, dataType);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        FieldWidget field;
        field.setDataType(FieldWidget::DataType(dataType));
        field.setFormat(format);
        field.setText(text);
        QCOMPARE(field.value(), value);
        field.setText(QStringLiteral("1"));
        field.setValue(value);
        QCOMPARE(field.text(), text);
        QCOMPARE(field.value(), value);
    }
};

QTEST_MAIN(FieldWidgetTest)
#include "FieldWidgetTest.moc"
