#include "qt/FieldWidgetPrivate.h"

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

// Found once: finding a signal's method searches the class's signals, and the widget has
// one for each property.
const QMetaMethod& loggedSignal() {
    static const QMetaMethod method = QMetaMethod::fromSignal(&FieldWidgetPrivate::logged);
    return method;
}
const QMetaMethod& textEditedSignal() {
    static const QMetaMethod method = QMetaMethod::fromSignal(&FieldWidget::textEdited);
    return method;
}
const QMetaMethod& keyPressedSignal() {
    static const QMetaMethod method = QMetaMethod::fromSignal(&FieldWidget::keyPressed);
    return method;
}

}  // namespace

FieldWidgetPrivate::FieldWidgetPrivate(FieldWidget& widget, const QString& region)
    : q_(widget), form_(std::make_unique<Form>()) {
    selectRegionFor(region, q_.locale());
    control_ = &form_->addControl(newControlName());
    // A new control shows its name, as on a form in a designer; a widget made in code
    // starts empty, as Qt's edit widgets do.
    control_->letText(u"");
    connectForm();
}

FieldWidgetPrivate::~FieldWidgetPrivate() {
    form_->setListener({});
}

void FieldWidgetPrivate::load(const StoredControl& stored, const std::string& file) {
    form_->replaceWith(StoredForm{{stored}}, file);
    control_ = form_->controls().front();
    // Qt's names and enabled state are the control's, so that findChild and the palette
    // see what the file says.
    q_.setObjectName(controlName());
    q_.setEnabled(control_->Enabled() != 0);
    font_ = WidgetFont();  // a new control: followed unless its file chose a font
    followFont();
    afterInput();
}

void FieldWidgetPrivate::connectForm() {
    syncFocusPolicy();
    installFieldAccessibility();  // FieldAccessible.h
    followFont();
    q_.setAttribute(Qt::WA_InputMethodEnabled);
    q_.setCursor(Qt::IBeamCursor);
    form_->setListener({[this](const String&, std::int32_t dispid, std::span<Variant> arguments) {
                            onEvent(dispid, arguments);
                        },
                        [this](const String& name, StringView property) {
                            if (!isSignalConnected(loggedSignal())) return;
                            emit logged(qtString(changeLine(name, property)));
                        }});
    const int flash = QApplication::cursorFlashTime();
    caretTimer_.setInterval(flash > 0 ? flash / 2 : 500);
    connect(&caretTimer_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        q_.update();
    });
    syncGeometry();
}

void FieldWidgetPrivate::onEvent(std::int32_t dispid, std::span<Variant> arguments) {
    if (isSignalConnected(loggedSignal()))
        emit logged(qtString(eventLine(controlName().toStdU16String(), dispid, arguments)));
    switch (dispid) {
        case kEventChange:
            redoable_ = undoing_;
            announceTextChange(q_);  // FieldAccessible.h
            if (hostWrites_ == 0 && q_.isSignalConnected(textEditedSignal()))
                emit q_.textEdited(qtString(control_->Text()));
            break;
        case kEventClick:
            emit q_.clicked();
            break;
        case kEventDblClick:
            emit q_.doubleClicked();
            break;
        case kEventKeyPress:
            onKeyPress(arguments[0]);
            break;
        default:
            break;
    }
}

// The key goes on as the handlers leave it: they see one KeyEvent, read back when all have
// run, so that a handler needs no reference into the control.
void FieldWidgetPrivate::onKeyPress(Variant& keyAscii) {
    keyReachedHost_ = true;
    if (!q_.isSignalConnected(keyPressedSignal())) return;
    KeyEvent event(keyAscii.toInteger());
    emit q_.keyPressed(&event);
    if (event.key() != keyAscii.toInteger())
        keyAscii = Variant(static_cast<std::int16_t>(event.key()));
}

QString FieldWidgetPrivate::controlName() const {
    try {
        return qtString(control_->container().extenderProperty(u"Name").toString());
    } catch (const AutomationError&) {
        return {};
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

QSize FieldWidgetPrivate::sizeHint() const {
    return fieldSizeHint(q_, sizingOf(*control_, q_.font()));
}

QSize FieldWidgetPrivate::minimumSizeHint() const {
    return fieldMinimumSizeHint(q_, sizingOf(*control_, q_.font()));
}

// The size the control has taken on its site, in pixels.
QSize FieldWidgetPrivate::controlSize() const {
    const ControlContainer& site = control_->container();
    return {static_cast<int>(std::lround(site.width() / twipsPerPixelX())),
            static_cast<int>(std::lround(site.height() / twipsPerPixelY()))};
}

void FieldWidgetPrivate::followFont() {
    font_.follow(*control_, q_.font());  // WidgetFont.h
}

// A new font of the widget's (its own, a parent's, the application's): the control follows
// it unless it chose its own, and a layout asks again for the size.
void FieldWidgetPrivate::fontChanged() {
    followFont();
    q_.updateGeometry();
    afterInput();
}

// The control may size itself (AutoSize, a minimum height): the widget follows.
void FieldWidgetPrivate::syncGeometry() {
    if (syncing_) return;
    syncing_ = true;
    const QSize wanted = controlSize();
    if (wanted != q_.size()) q_.resize(wanted);
    syncing_ = false;
}

void FieldWidgetPrivate::resized() {
    if (syncing_) return;
    syncing_ = true;
    try {
        control_->container().setSize(static_cast<float>(q_.width() * twipsPerPixelX()),
                                      static_cast<float>(q_.height() * twipsPerPixelY()));
    } catch (const AutomationError& error) {
        emit q_.refused(QStringLiteral("size"), error.number());
    }
    syncing_ = false;
    syncGeometry();
}

// A control that cannot take the focus (one its Enabled property disabled, say) leaves Qt's
// focus chain, so that Tab and the window's first focus pass over it as a form's do.
void FieldWidgetPrivate::syncFocusPolicy() {
    q_.setFocusPolicy(takesFocus(*control_) ? Qt::StrongFocus : Qt::NoFocus);
}

void FieldWidgetPrivate::afterInput() {
    syncGeometry();
    syncFocusPolicy();
    restartCaret();
    q_.update();
    publishChanges();
}

void FieldWidgetPrivate::restartCaret() {
    caretShown_ = true;
    if (q_.hasFocus()) {
        caretTimer_.start();
    } else {
        caretTimer_.stop();
    }
}

// --- Change signals -----------------------------------------------------------------------

void FieldWidgetPrivate::watch(const QMetaMethod& signal) {
    const QMetaObject& meta = FieldWidget::staticMetaObject;
    const int offset = meta.propertyOffset();
    published_.resize(static_cast<std::size_t>(meta.propertyCount() - offset));
    for (int i = offset; i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        auto& seen = published_[static_cast<std::size_t>(i - offset)];
        if (property.notifySignalIndex() != signal.methodIndex() || seen) continue;
        seen = property.read(&q_);
        watching_ = true;
    }
}

void FieldWidgetPrivate::publishChanges() {
    publishCaret();
    if (!watching_) return;
    const QMetaObject& meta = FieldWidget::staticMetaObject;
    for (std::size_t i = 0; i < published_.size(); ++i) {
        if (!published_[i]) continue;
        QVariant now = meta.property(meta.propertyOffset() + static_cast<int>(i)).read(&q_);
        if (now == *published_[i]) continue;
        published_[i] = std::move(now);
        q_.emitChanged(static_cast<int>(i));
    }
}

void FieldWidgetPrivate::publishCaret() {
    EditBox* box = control_->liveBox();
    if (box == nullptr) return;
    const std::int32_t caret = box->caret();
    const std::int32_t selStart = box->selStart();
    const std::int32_t selLength = box->selLength();
    const bool selectionMoved =
        (selLength != 0 || selLength_ != 0) && (selStart != selStart_ || selLength != selLength_);
    const std::int32_t before = caret_;
    caret_ = caret;
    selStart_ = selStart;
    selLength_ = selLength;
    if (caret != before) {
        emit q_.cursorPositionChanged(before, caret);
        announceCaret(q_, caret);  // FieldAccessible.h
    }
    if (selectionMoved) emit q_.selectionChanged();
}

// --- Drawing ------------------------------------------------------------------------------

EditBox* FieldWidgetPrivate::liveBox() const {
    EditBox* box = control_->liveBox();
    return box != nullptr && isTrue(box->visible()) ? box : nullptr;
}

PixelLayout FieldWidgetPrivate::layoutOf(EditBox& box) const {
    return fieldLayout(q_, box, control_->frameLabel(), !isTrue(control_->MultiLine()));
}

void FieldWidgetPrivate::paint() {
    EditBox* box = liveBox();
    if (box == nullptr) return;
    QPainter painter(&q_);
    const QFont font = qtFont(*box->font());
    const PixelLayout layout = layoutOf(*box);
    const view::EditView shown =
        view::editView(*box, control_->frameLabel(), pixelMetrics(layout, font));
    paintEditView(painter, layout, shown, font,
                  {&q_, caretShown_, q_.isEnabled(), isTrue(box->locked())});
}

}  // namespace quelta::qt
