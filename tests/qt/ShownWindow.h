#pragma once
// Shows a window and makes it the active one, as a person's click would, so that focus and
// keys reach its widgets; they are created before it is shown.
#include <QtTest>

namespace quelta::qt {

inline void showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace quelta::qt
