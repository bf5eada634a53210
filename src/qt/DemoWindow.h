#pragma once
// The demo's window: a form (the terminal host's sample order form unless another form
// file is given), laid out in rows, beside a live log of its controls' events and property changes.

#include <QPlainTextEdit>
#include <QWidget>
#include <memory>

namespace quelta::qt {

class DemoWindow : public QWidget {
public:
    // Takes the form widget (FormWidget.h) and logs what each of its controls reports.
    explicit DemoWindow(std::unique_ptr<QWidget> form);

    QWidget& form() { return *form_; }
    QPlainTextEdit& log() { return *log_; }

private:
    QWidget* form_;
    QPlainTextEdit* log_;
};

// The window with the sample form, in `region` (empty: the locale's).
std::unique_ptr<DemoWindow> sampleDemoWindow(const QString& region = {});

}  // namespace quelta::qt
