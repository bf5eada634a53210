// One key in a numeric Qt widget, from the QKeyEvent to the widget's repaint request: the
// key-down, character and key-up through the platform's input queue, the control's
// keystroke filter and Change, and the update. Budget: under 20 us a key. A key is its
// press and its release; the keys alternate between a digit and Backspace, so that the
// text stays short. The second benchmark paints the widget after each key as well.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <cstdlib>

#include "quelta/qt/FieldWidget.h"

namespace quelta::qt {
namespace {

class NumericField {
public:
    NumericField() : field_(new FieldWidget(&window_)) {
        field_->setDataType(FieldWidget::DataType::Numeric);
        field_->setMaxLength(12);
        window_.show();
        QApplication::setActiveWindow(&window_);
        if (!QTest::qWaitForWindowActive(&window_)) std::abort();
        field_->setFocus();
    }

    // One key: a digit or, every second time, Backspace.
    void key() {
        QKeyEvent& press = typed_ ? backspaceDown_ : digitDown_;
        QKeyEvent& release = typed_ ? backspaceUp_ : digitUp_;
        QApplication::sendEvent(field_, &press);
        QApplication::sendEvent(field_, &release);
        typed_ = !typed_;
    }
    FieldWidget& field() { return *field_; }

private:
    QWidget window_;
    FieldWidget* field_;
    bool typed_ = false;
    QKeyEvent digitDown_{QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")};
    QKeyEvent digitUp_{QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")};
    QKeyEvent backspaceDown_{QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier,
                             QStringLiteral("\b")};
    QKeyEvent backspaceUp_{QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier,
                           QStringLiteral("\b")};
};

void BM_QtKeyEventToRepaintRequest(benchmark::State& state) {
    NumericField numeric;
    std::int64_t changes = 0;
    QObject::connect(&numeric.field(), &FieldWidget::textEdited, [&changes] { ++changes; });
    for (auto _ : state)
        numeric.key();
    // Every key changes the text.
    if (changes < state.iterations()) state.SkipWithError("the keys did not reach the control");
}
BENCHMARK(BM_QtKeyEventToRepaintRequest);

void BM_QtKeyEventAndPaint(benchmark::State& state) {
    NumericField numeric;
    for (auto _ : state) {
        numeric.key();
        numeric.field().repaint();
    }
}
BENCHMARK(BM_QtKeyEventAndPaint);

}  // namespace
}  // namespace quelta::qt

// Qt needs its application object before the first widget; without a display the
// offscreen platform serves.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
