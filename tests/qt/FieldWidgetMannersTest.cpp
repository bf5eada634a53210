// The widget among other Qt widgets: the application's clipboard, its context menu, what
// screen readers and input methods learn from it, and its size and frame.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "control/Quelta.h"
#include "platform/editbox/EditBox.h"
#include "qt/FieldContextMenu.h"
#include "qt/FieldGeometry.h"
#include "qt/FieldInputMethod.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/ShownWindow.h"

using namespace quelta;
using namespace quelta::qt;

namespace {

Quelta& control(FieldWidget& field) {
    return FieldWidgetPrivate::of(field).control();
}
EditBox& box(FieldWidget& field) {
    return *control(field).liveBox();
}

QAction* entry(QMenu& menu, const QString& label) {
    for (QAction* action : menu.actions())
        if (action->text().remove(QLatin1Char('&')) == label) return action;
    return nullptr;
}

}  // namespace

class FieldWidgetMannersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void copyAndPasteGoThroughTheApplicationClipboard() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("abc"));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        other->paste();
        QCOMPARE(other->text(), QStringLiteral("abc"));

        other->setText(QStringLiteral("xyz"));
        other->selectAll();
        other->copy();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("xyz"));
    }

    void menuEntriesFollowTheBoxAndActAsTheSlots() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        showActive(window);
        field->setFocus();
        QGuiApplication::clipboard()->clear();
        auto enabled = [&](const char* label) {
            const std::unique_ptr<QMenu> menu = fieldContextMenu(*field);
            return entry(*menu, QString::fromLatin1(label))->isEnabled();
        };
        QVERIFY(!enabled("Undo") && !enabled("Redo") && !enabled("Copy") && !enabled("Paste") &&
                !enabled("Select All"));
        QTest::keyClicks(field, QStringLiteral("abc"));
        QVERIFY(enabled("Undo") && enabled("Select All") && !enabled("Cut"));

        std::unique_ptr<QMenu> menu = fieldContextMenu(*field);
        entry(*menu, QStringLiteral("Select All"))->trigger();
        QCOMPARE(box(*field).selLength(), 3);
        menu = fieldContextMenu(*field);
        entry(*menu, QStringLiteral("Cut"))->trigger();
        QCOMPARE(field->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        menu = fieldContextMenu(*field);
        entry(*menu, QStringLiteral("Paste"))->trigger();
        QCOMPARE(field->text(), QStringLiteral("abc"));
        menu = fieldContextMenu(*field);
        entry(*menu, QStringLiteral("Undo"))->trigger();
        QCOMPARE(field->text(), QString());
        QVERIFY(enabled("Redo"));
        menu = fieldContextMenu(*field);
        entry(*menu, QStringLiteral("Redo"))->trigger();
        QCOMPARE(field->text(), QStringLiteral("abc"));
        QVERIFY(!enabled("Redo"));

        // Locked: the text may be selected and copied, never changed.
        field->setLocked(true);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(enabled("Copy"));
        QVERIFY(!enabled("Cut") && !enabled("Paste") && !enabled("Delete") && !enabled("Undo"));
        // A password never leaves the box.
        field->setLocked(false);
        field->setPasswordChar(QStringLiteral("*"));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!enabled("Copy") && !enabled("Cut") && enabled("Delete"));
    }

    void screenReadersReadTheShownTextTheValueAndTheStates() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        field->setDataType(FieldWidget::DataType::Numeric);
        field->setScaleDigits(2);
        field->setFormat(QStringLiteral("#,##0.00"));
        field->setValue(QStringLiteral("1234.5"));
        showActive(window);
        other->setFocus();
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field);
        QVERIFY(reader != nullptr);
        QCOMPARE(reader->role(), QAccessible::EditableText);
        QCOMPARE(reader->textInterface()->text(0, 100), QStringLiteral("1,234.50"));
        QCOMPARE(reader->valueInterface()->currentValue().toString(), QStringLiteral("1234.5"));
        QVERIFY(!reader->state().focused && !reader->state().readOnly);

        field->setFocus();
        QVERIFY(reader->state().focused);
        QCOMPARE(reader->textInterface()->cursorPosition(), box(*field).caret());
        field->setLocked(true);
        QVERIFY(reader->state().readOnly);
        field->setEnabled(false);
        QVERIFY(reader->state().disabled);
    }

    void inputMethodHintsFollowTheDataType_data() {
        QTest::addColumn<int>("dataType");
        QTest::addColumn<int>("scaleDigits");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("hints");
        const int dates = Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText;
        const struct {
            const char* name;
            int dataType, scaleDigits;
            const char* format;
            int hints;
        } rows[] = {
            {"whole numbers", 4, 0, "", Qt::ImhDigitsOnly},
            {"decimals", 4, 2, "", Qt::ImhFormattedNumbersOnly},
            {"signed", 5, 0, "", Qt::ImhFormattedNumbersOnly},
            {"named date", 6, 0, "Short Date", dates | Qt::ImhDate},
            {"time pattern", 6, 0, "hh:nn", dates | Qt::ImhTime},
            {"quoted letters", 6, 0, "\"day\" hh", dates | Qt::ImhTime},
            {"no format", 6, 0, "", dates | Qt::ImhDate | Qt::ImhTime},
            {"upper case", 2, 0, "", Qt::ImhUppercaseOnly},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name)
                << row.dataType << row.scaleDigits << QString::fromLatin1(row.format) << row.hints;
    }
    void inputMethodHintsFollowTheDataType() {
        QFETCH(int, dataType);
        QFETCH(int, scaleDigits);
        QFETCH(QString, format);
        QFETCH(int, hints);
        QCOMPARE(int(inputMethodHints({dataType, scaleDigits, format, false, true})), hints);
    }

    void inputMethodsSeeTheCaretAndSelection() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        showActive(window);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("abcd"));
        const QRect atEnd = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(field->inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("abcd"));
        QCOMPARE(field->inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);
        QCOMPARE(field->inputMethodQuery(Qt::ImAnchorPosition).toInt(), 4);
        const QRect moved = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(moved.x() < atEnd.x());
        QVERIFY(field->rect().contains(moved));
    }

    // The size a layout is asked for follows the font and, with AutoSize, MaxLength; the
    // text of a right-aligned number keeps the line edit's margin from the frame.
    void sizeFollowsTheFontAndTextKeepsOffTheFrame() {
        QWidget window;
        auto* field = new FieldWidget(&window);
        const QSize small = field->sizeHint();
        QFont larger = field->font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        field->setFont(larger);
        QVERIFY(field->sizeHint().height() > small.height());
        QVERIFY(field->minimumSizeHint().height() == field->sizeHint().height());
        QCOMPARE(static_cast<float>(field->fontSize()), static_cast<float>(larger.pointSizeF()));
        field->setFontName(QStringLiteral("Serif"));  // the field's own choice from now on
        field->setFont(QFont(QStringLiteral("Monospace"), 20));
        QCOMPARE(field->fontName(), QStringLiteral("Serif"));

        auto sized = [](int maxLength) {
            FieldWidget sized;
            sized.setMaxLength(maxLength);
            sized.setAutoSize(true);
            return sized.sizeHint().width();
        };
        QVERIFY(sized(3) < sized(30) / 5);

        field->setAlignment(FieldWidget::Alignment::RightJustify);
        field->setText(QStringLiteral("12345"));
        field->resize(field->sizeHint().width() * 4, field->sizeHint().height());
        showActive(window);
        EditBox& edit = box(*field);
        const ShownField shown = shownField(*field, edit, control(*field).frameLabel(), true);
        const QRect last = characterRect(shown, 4);
        QVERIFY(!last.isEmpty());
        QVERIFY(last.right() <= shown.layout.inside.right() - kHorizontalMargin);
        QVERIFY(shown.layout.inside.right() < field->rect().right());
    }
};

QTEST_MAIN(FieldWidgetMannersTest)
#include "FieldWidgetMannersTest.moc"
