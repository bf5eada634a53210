#include "qt/DemoWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "form/SampleForm.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/FormWidget.h"
#include "qt/QtRegion.h"

namespace quelta::qt {

DemoWindow::DemoWindow(std::unique_ptr<QWidget> form)
    : form_(form.release()), log_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Quelta in Qt"));
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(500);
    log_->setFocusPolicy(Qt::NoFocus);  // Tab stays among the form's fields
    log_->setMinimumWidth(320);
    auto* logColumn = new QVBoxLayout;
    logColumn->addWidget(new QLabel(QStringLiteral("Events and property changes")));
    logColumn->addWidget(log_);
    auto* layout = new QHBoxLayout(this);
    form_->setMinimumSize(form_->size());
    layout->addWidget(form_, 0, Qt::AlignTop);
    layout->addLayout(logColumn, 1);
    for (FieldWidget* field : form_->findChildren<FieldWidget*>()) {
        connect(&FieldWidgetPrivate::of(*field), &FieldWidgetPrivate::logged, log_,
                &QPlainTextEdit::appendPlainText);
    }
}

std::unique_ptr<DemoWindow> sampleDemoWindow(const QString& region) {
    selectRegionFor(region, QLocale());  // before the form's values are read
    const StoredForm sample =
        parseFormFile(terminal::kSampleFormText, std::string(terminal::kSampleFormName));
    return std::make_unique<DemoWindow>(
        formWidget(sample, std::string(terminal::kSampleFormName), region, FormLayout::Rows));
}

}  // namespace quelta::qt
