// Qt key events as the platform's key-down, character and key-up input.
#include <QtTest>

#include "platform/window/VirtualKeys.h"
#include "qt/QtKeys.h"

using namespace quelta;
using namespace quelta::qt;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

// Inputs written as "down 65 1", "char 97 0", "up 65 0" (code, shift).
QStringList written(const std::vector<KeyInput>& inputs) {
    QStringList lines;
    for (const KeyInput& input : inputs) {
        switch (input.kind) {
            case KeyInput::Kind::KeyDown:
                lines << QStringLiteral("down %1 %2").arg(input.keyCode).arg(input.shift);
                break;
            case KeyInput::Kind::Character:
                lines << QStringLiteral("char %1 %2").arg(int(input.character)).arg(input.shift);
                break;
            case KeyInput::Kind::KeyUp:
                lines << QStringLiteral("up %1 %2").arg(input.keyCode).arg(input.shift);
                break;
        }
    }
    return lines;
}

}  // namespace

class QtKeysTest : public QObject {
    Q_OBJECT

private slots:
    void keysBecomePlatformInput_data() {
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const Qt::KeyboardModifiers none;
        QTest::newRow("letter") << true << int(Qt::Key_A) << none << "a"
                                << QStringList{"down 65 0", "char 97 0"};
        QTest::newRow("shifted letter")
            << true << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "A"
            << QStringList{"down 65 1", "char 65 1"};
        QTest::newRow("release") << false << int(Qt::Key_A) << none << "a"
                                 << QStringList{"up 65 0"};
        QTest::newRow("backspace types its control code")
            << true << int(Qt::Key_Backspace) << none << "\b"
            << QStringList{"down 8 0", "char 8 0"};
        QTest::newRow("delete types nothing")
            << true << int(Qt::Key_Delete) << none << "\x7f" << QStringList{"down 46 0"};
        QTest::newRow("arrow") << true << int(Qt::Key_Left) << none << ""
                               << QStringList{"down 37 0"};
        QTest::newRow("ctrl+c") << true << int(Qt::Key_C)
                                << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x03"
                                << QStringList{"down 67 2", "char 3 2"};
        QTest::newRow("alt+a types nothing")
            << true << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::AltModifier) << "a"
            << QStringList{"down 65 4"};
        QTest::newRow("percent by the key that types it")
            << true << int(Qt::Key_Percent) << none << "%" << QStringList{"down 53 1", "char 37 1"};
        QTest::newRow("a character without a key is a packet")
            << true << int(Qt::Key_Adiaeresis) << none << QString(QChar(0xE4))
            << QStringList{"down 231 0", "char 228 0"};
        QTest::newRow("keypad digit")
            << true << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "5"
            << QStringList{"down 101 0", "char 53 0"};
        QTest::newRow("unknown key without text")
            << true << int(Qt::Key_VolumeUp) << none << "" << QStringList{};
    }
    void keysBecomePlatformInput() {
        QFETCH(bool, press);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(written(keyInputsOf(press, key, modifiers, text)), expected);
    }
};

QTEST_APPLESS_MAIN(QtKeysTest)
#include "QtKeysTest.moc"
