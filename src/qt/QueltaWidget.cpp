#include "qt/QueltaWidget.h"

#include <QApplication>
#include <QMetaMethod>
#include <QPainter>
#include <cmath>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "form/EventLine.h"
#include "form/Form.h"
#include "form/TakesFocus.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "qt/EditPainter.h"
#include "qt/FieldAccessible.h"
#include "qt/FieldSizeHint.h"
#include "qt/QtRegion.h"
#include "qt/QtTextMeasurer.h"

namespace quelta::qt {
namespace {

thread_local int unnamedWidgets = 0;

QString qtString(StringView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

String newControlName() {
    return u"Quelta" + fromUtf8(std::to_string(++unnamedWidgets));
}

}  // namespace

QueltaWidget::QueltaWidget(QWidget* parent, const QString& region)
    : QWidget(parent), form_(std::make_unique<Form>()) {
    selectRegionFor(region, locale());
    control_ = &form_->addControl(newControlName());
    // A new control shows its name, as on a form in a designer; a widget made in code
    // starts empty, as Qt's edit widgets do.
    control_->letText(u"");
    connectForm();
}

QueltaWidget::QueltaWidget(const StoredControl& stored, const std::string& file, QWidget* parent,
                           const QString& region)
    : QWidget(parent), form_(std::make_unique<Form>()) {
    selectRegionFor(region, locale());
    form_->replaceWith(StoredForm{{stored}}, file);
    control_ = form_->controls().front();
    connectForm();
}

QueltaWidget::~QueltaWidget() {
    form_->setListener({});
}

void QueltaWidget::connectForm() {
    syncFocusPolicy();
    installFieldAccessibility();      // FieldAccessible.h
    font_.follow(*control_, font());  // WidgetFont.h
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    form_->setListener({[this](const String&, std::int32_t dispid, std::span<Variant> arguments) {
                            onEvent(dispid, arguments);
                        },
                        [this](const String& name, StringView property) {
                            if (!isSignalConnected(QMetaMethod::fromSignal(&QueltaWidget::logged)))
                                return;
                            emit logged(qtString(changeLine(name, property)));
                        }});
    const int flash = QApplication::cursorFlashTime();
    caretTimer_.setInterval(flash > 0 ? flash / 2 : 500);
    connect(&caretTimer_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        update();
    });
    syncGeometry();
}

void QueltaWidget::onEvent(std::int32_t dispid, std::span<Variant> arguments) {
    if (isSignalConnected(QMetaMethod::fromSignal(&QueltaWidget::logged))) {
        emit logged(qtString(eventLine(controlName().toStdU16String(), dispid, arguments)));
    }
    // By-reference arguments: what a handler leaves is what the control goes on with.
    auto passByReference = [&](auto signal) {
        int code = arguments[0].toInteger();
        const int before = code;
        signal(code);
        if (code != before) arguments[0] = Variant(static_cast<std::int16_t>(code));
    };
    switch (dispid) {
        case kEventChange:
            announceTextChange(*this);  // FieldAccessible.h
            emit changed();
            break;
        case kEventClick:
            emit clicked();
            break;
        case kEventDblClick:
            emit doubleClicked();
            break;
        case kEventKeyPress:
            passByReference([this](int& code) { emit keyPressed(code); });
            break;
        case kEventKeyDown:
            passByReference([&](int& code) { emit keyDown(code, arguments[1].toInteger()); });
            break;
        case kEventKeyUp:
            passByReference([&](int& code) { emit keyUp(code, arguments[1].toInteger()); });
            break;
        default:
            break;
    }
}

// --- Size ---------------------------------------------------------------------------------

namespace {

FieldSizing sizingOf(Quelta& control, const QFont& font) {
    FieldSizing sizing{font};
    if (EditBox* box = control.liveBox()) {
        sizing.font = qtFont(*box->font());
        sizing.border = view::borderOf(*box, control.frameLabel());
        sizing.maxLength = box->maxLength();
    }
    // Alignment makes a box multi-line inside; the field is one line unless MultiLine says.
    sizing.multiLine = isTrue(control.MultiLine());
    sizing.autoSize = isTrue(control.AutoSize());
    sizing.numeric = control.DataType() == quelta::qltaNumeric ||
                     control.DataType() == quelta::qltaSignedNumeric;
    return sizing;
}

}  // namespace

QSize QueltaWidget::sizeHint() const {
    return fieldSizeHint(*this, sizingOf(*control_, font()));
}

QSize QueltaWidget::minimumSizeHint() const {
    return fieldMinimumSizeHint(*this, sizingOf(*control_, font()));
}

// The size the control has taken on its site, in pixels.
QSize QueltaWidget::controlSize() const {
    const ControlContainer& site = control_->container();
    return {static_cast<int>(std::lround(site.width() / twipsPerPixelX())),
            static_cast<int>(std::lround(site.height() / twipsPerPixelY()))};
}

// The control may size itself (AutoSize, a minimum height): the widget follows.
void QueltaWidget::syncGeometry() {
    if (syncing_) return;
    syncing_ = true;
    const QSize wanted = controlSize();
    if (wanted != size()) resize(wanted);
    syncing_ = false;
}

void QueltaWidget::resizeEvent(QResizeEvent*) {
    if (syncing_) return;
    syncing_ = true;
    try {
        control_->container().setSize(static_cast<float>(width() * twipsPerPixelX()),
                                      static_cast<float>(height() * twipsPerPixelY()));
    } catch (const AutomationError& error) {
        emit refused(QStringLiteral("size"), error.number());
    }
    syncing_ = false;
    syncGeometry();
}

// A control that cannot take the focus (one its Enabled property disabled, say) leaves Qt's
// focus chain, so that Tab and the window's first focus pass over it as a form's do.
void QueltaWidget::syncFocusPolicy() {
    setFocusPolicy(takesFocus(*control_) ? Qt::StrongFocus : Qt::NoFocus);
}

void QueltaWidget::afterInput() {
    syncGeometry();
    syncFocusPolicy();
    restartCaret();
    if (EditBox* box = liveBox()) announceCaret(*this, box->caret());  // FieldAccessible.h
    update();
}

void QueltaWidget::restartCaret() {
    caretShown_ = true;
    if (hasFocus()) {
        caretTimer_.start();
    } else {
        caretTimer_.stop();
    }
}

// --- Drawing ------------------------------------------------------------------------------

EditBox* QueltaWidget::liveBox() const {
    EditBox* box = control_->liveBox();
    return box != nullptr && isTrue(box->visible()) ? box : nullptr;
}

PixelLayout QueltaWidget::layoutOf(EditBox& box) const {
    return fieldLayout(*this, box, control_->frameLabel(),
                       !isTrue(control_->MultiLine()));  // EditPainter.h
}

void QueltaWidget::paintEvent(QPaintEvent*) {
    EditBox* box = liveBox();
    if (box == nullptr) return;
    QPainter painter(this);
    const QFont font = qtFont(*box->font());
    const PixelLayout layout = layoutOf(*box);
    const view::EditView shown =
        view::editView(*box, control_->frameLabel(), pixelMetrics(layout, font));
    paintEditView(painter, layout, shown, font,
                  {this, caretShown_, isEnabled(), isTrue(box->locked())});
}

}  // namespace quelta::qt
