#include "qt/QueltaWidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "host/Form.h"
#include "host/terminal/EventLog.h"
#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"
#include "qt/EditPainter.h"
#include "qt/QtKeys.h"
#include "qt/QtRegion.h"
#include "qt/QtTextMeasurer.h"

namespace quelta::qt {
namespace {

thread_local int unnamedWidgets = 0;

QString qtString(StringView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

String platformString(const QString& text) {
    return text.toStdU16String();
}

std::int16_t buttonsOf(Qt::MouseButtons buttons) {
    std::int16_t pressed = 0;
    if (buttons & Qt::LeftButton) pressed |= 1;
    if (buttons & Qt::RightButton) pressed |= 2;
    if (buttons & Qt::MiddleButton) pressed |= 4;
    return pressed;
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
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    form_->setListener({[this](const String&, std::int32_t dispid, std::span<Variant> arguments) {
                            onEvent(dispid, arguments);
                        },
                        [this](const String& name, StringView property) {
                            if (!isSignalConnected(QMetaMethod::fromSignal(&QueltaWidget::logged)))
                                return;
                            terminal::EventLog line;
                            line.change(name, property);
                            emit logged(qtString(line.lines().back()));
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
        terminal::EventLog line;
        line.event(platformString(controlName()), dispid, arguments);
        emit logged(qtString(line.lines().back()));
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

// --- Properties -------------------------------------------------------------------------

template <typename Write>
void QueltaWidget::write(const char* property, Write&& write) {
    try {
        write(*control_);
    } catch (const AutomationError& error) {
        emit refused(QString::fromLatin1(property), error.number());
    }
    afterInput();
}

// A property fixed while the application runs (Alignment, MultiLine, ...) is a choice of
// the form's design: the widget takes it as a designer does, by writing the control's
// saved properties with the new value and loading the control from them again.
void QueltaWidget::writeDesigned(const char* property, StringView name, Variant value) {
    write(property, [&](Quelta& c) {
        try {
            Invoke(c, GetIDsOfNames(name), InvokeKind::PropertyLet, {&value, 1});
            return;
        } catch (const AutomationError& error) {
            if (error.number() != kErrSetNotPermitted) throw;
        }
        // The control's own rules judge the value, on a control in a designer's form.
        Form designer;
        designer.setUserMode(false);
        Invoke(designer.addControl(u"designed"), GetIDsOfNames(name), InvokeKind::PropertyLet,
               {&value, 1});
        StoredForm design = form_->store();
        design.controls.front().properties.write(name, value);
        try {
            form_->replaceWith(design, "(widget)");
        } catch (const FormFileError&) {
            raiseError(kErrInvalidPropertyValue);
        }
        control_ = form_->controls().front();
        if (hasFocus()) form_->focus(*control_);
    });
}

QString QueltaWidget::text() const {
    return qtString(control_->Text());
}
void QueltaWidget::setText(const QString& text) {
    write("text", [&](Quelta& c) { c.letText(platformString(text)); });
}
QString QueltaWidget::value() const {
    return qtString(control_->Value());
}
void QueltaWidget::setValue(const QString& value) {
    write("value", [&](Quelta& c) { c.letValue(platformString(value)); });
}
QString QueltaWidget::formattedText() const {
    return qtString(control_->FormattedText());
}
int QueltaWidget::dataType() const {
    return control_->DataType();
}
void QueltaWidget::setDataType(int dataType) {
    write("dataType", [&](Quelta& c) { c.letDataType(dataType); });
}
QString QueltaWidget::format() const {
    return qtString(control_->Format());
}
void QueltaWidget::setFormat(const QString& format) {
    write("format", [&](Quelta& c) { c.letFormat(platformString(format)); });
}
int QueltaWidget::scaleDigits() const {
    return control_->ScaleDigits();
}
void QueltaWidget::setScaleDigits(int digits) {
    write("scaleDigits", [&](Quelta& c) {
        // Through the dispatch interface, which checks the range of the narrower type.
        Variant value(static_cast<std::int32_t>(digits));
        Invoke(c, GetIDsOfNames(u"ScaleDigits"), InvokeKind::PropertyLet, {&value, 1});
    });
}
bool QueltaWidget::autoTab() const {
    return isTrue(control_->AutoTab());
}
void QueltaWidget::setAutoTab(bool autoTab) {
    write("autoTab", [&](Quelta& c) { c.letAutoTab(toBoolean(autoTab)); });
}
int QueltaWidget::maxLength() const {
    return control_->MaxLength();
}
void QueltaWidget::setMaxLength(int maxLength) {
    write("maxLength", [&](Quelta& c) { c.letMaxLength(maxLength); });
}
int QueltaWidget::alignment() const {
    return control_->Alignment();
}
void QueltaWidget::setAlignment(int alignment) {
    writeDesigned("alignment", u"Alignment", Variant(static_cast<std::int32_t>(alignment)));
}
bool QueltaWidget::multiLine() const {
    return isTrue(control_->MultiLine());
}
void QueltaWidget::setMultiLine(bool multiLine) {
    writeDesigned("multiLine", u"MultiLine", Variant::boolean(multiLine));
}
bool QueltaWidget::locked() const {
    return isTrue(control_->Locked());
}
void QueltaWidget::setLocked(bool locked) {
    write("locked", [&](Quelta& c) { c.letLocked(toBoolean(locked)); });
}

QString QueltaWidget::controlName() const {
    try {
        return qtString(control_->container().extenderProperty(u"Name").toString());
    } catch (const AutomationError&) {
        return {};
    }
}

Variant QueltaWidget::invoke(const QString& member, InvokeKind kind, std::span<Variant> arguments) {
    Variant result = Invoke(*control_, GetIDsOfNames(platformString(member)), kind, arguments);
    afterInput();
    return result;
}

// --- Size ---------------------------------------------------------------------------------

QSize QueltaWidget::sizeHint() const {
    const ControlContainer& site = control_->container();
    return {static_cast<int>(std::lround(site.width() / twipsPerPixelX())),
            static_cast<int>(std::lround(site.height() / twipsPerPixelY()))};
}

// The control may size itself (AutoSize, a minimum height): the widget follows.
void QueltaWidget::syncGeometry() {
    if (syncing_) return;
    syncing_ = true;
    const QSize wanted = sizeHint();
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

void QueltaWidget::afterInput() {
    syncGeometry();
    restartCaret();
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
    return pixelLayout(rect(), view::borderOf(box, control_->frameLabel()), view::scrollBarsOf(box),
                       box.lineHeight() / twipsPerPixelY());
}

void QueltaWidget::paintEvent(QPaintEvent*) {
    EditBox* box = liveBox();
    if (box == nullptr) return;
    QPainter painter(this);
    const QFont font = qtFont(*box->font());
    const PixelLayout layout = layoutOf(*box);
    const view::EditView shown =
        view::editView(*box, control_->frameLabel(), pixelMetrics(layout, font));
    paintEditView(painter, layout, shown, font, {palette(), caretShown_, isEnabled()});
}

// --- Keys ---------------------------------------------------------------------------------

void QueltaWidget::keyPressEvent(QKeyEvent* event) {
    feedKeys(true, event);
}

void QueltaWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) feedKeys(false, event);
}

// Text an input method composed arrives without keys: each of its characters is typed as
// the platform types a character its keyboard has no key for.
void QueltaWidget::inputMethodEvent(QInputMethodEvent* event) {
    for (const QChar character : event->commitString()) {
        const char16_t unit = character.unicode();
        postKeyInput({KeyInput::Kind::KeyDown, VK_PACKET, 0, 0});
        postKeyInput({KeyInput::Kind::Character, 0, unit, 0});
        postKeyInput({KeyInput::Kind::KeyUp, VK_PACKET, 0, 0});
    }
    deliverPendingKeys();
    event->accept();
}

void QueltaWidget::feedKeys(bool press, QKeyEvent* event) {
    // A widget with Qt's focus in a window that never became active has had no focus-in;
    // its box takes the platform's focus with the first key.
    if (EditBox* box = liveBox(); press && hasFocus() && box != nullptr && !box->hasFocus()) {
        try {
            form_->focus(*control_);
        } catch (const AutomationError&) {
            MessageBeep();
        }
    }
    for (const KeyInput& input :
         keyInputsOf(press, event->key(), event->modifiers(), event->text()))
        postKeyInput(input);
    deliverPendingKeys();
    event->accept();
}

// Delivers the queue, the keys the control sends itself (its automatic tab) included. A
// key the control refuses with an automation error is answered as the platform answers a
// refused key: with the beep.
void QueltaWidget::deliverPendingKeys() {
    try {
        while (std::optional<KeyInput> input = takeKeyInput())
            deliver(*input);
    } catch (const AutomationError&) {
        while (takeKeyInput()) {
        }
        MessageBeep();
    }
    afterInput();
}

// Qt owns Tab, as a form does: its key-down moves Qt's focus, which moves the platform's,
// and the rest of the press is dropped.
void QueltaWidget::deliver(const KeyInput& input) {
    const bool isTab = input.keyCode == VK_TAB ||
                       (input.kind == KeyInput::Kind::Character && input.character == u'\t');
    if (isTab && (input.shift & (kCtrlMask | kAltMask)) == 0) {
        if (input.kind == KeyInput::Kind::KeyDown)
            focusNextPrevChild((input.shift & kShiftMask) == 0);
        return;
    }
    if (auto box = EditBox::fromWindow(GetFocus())) box->deliver(input);
}

// --- Mouse --------------------------------------------------------------------------------

void QueltaWidget::mousePressEvent(QMouseEvent* event) {
    mouse(Mouse::Down, event);
}
void QueltaWidget::mouseReleaseEvent(QMouseEvent* event) {
    mouse(Mouse::Up, event);
}
void QueltaWidget::mouseMoveEvent(QMouseEvent* event) {
    mouse(Mouse::Move, event);
}
void QueltaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse(Mouse::DoubleClick, event);
}

// The point goes to the box in twips from its corner: the row under it, and the distance
// from where that row's text is drawn, added to where the box itself places the row.
void QueltaWidget::mouse(Mouse action, QMouseEvent* event) {
    EditBox* box = liveBox();
    if (box == nullptr) return;
    const QFont font = qtFont(*box->font());
    const PixelLayout layout = layoutOf(*box);
    const view::EditView shown =
        view::editView(*box, control_->frameLabel(), pixelMetrics(layout, font));
    if (shown.rows.empty()) return;
    const QPointF at = event->position();
    const int index =
        std::clamp(static_cast<int>(std::floor((at.y() - layout.text.top()) / layout.lineHeight)),
                   0, static_cast<int>(shown.rows.size()) - 1);
    const view::ViewRow& row = shown.rows[static_cast<std::size_t>(index)];
    const auto x = static_cast<float>((at.x() - layout.text.left() - row.x) * twipsPerPixelX() +
                                      box->positionOf(row.start).x);
    const auto y = static_cast<float>((box->rowFromChar(row.start) + 0.5) * box->lineHeight());
    const std::int16_t shift = shiftStateOf(event->modifiers());
    try {
        switch (action) {
            case Mouse::Down:
                box->mouseDown(buttonsOf(event->button()), shift, x, y);
                break;
            case Mouse::Up:
                box->mouseUp(buttonsOf(event->button()), shift, x, y);
                break;
            case Mouse::Move:
                box->mouseMove(buttonsOf(event->buttons()), shift, x, y);
                break;
            case Mouse::DoubleClick:
                box->mouseDoubleClick(buttonsOf(event->button()), shift, x, y);
                break;
        }
    } catch (const AutomationError&) {
        MessageBeep();
    }
    afterInput();
}

// --- Focus and state ----------------------------------------------------------------------

void QueltaWidget::focusInEvent(QFocusEvent*) {
    try {
        form_->focus(*control_);
    } catch (const AutomationError&) {
        MessageBeep();
    }
    deliverPendingKeys();
}

void QueltaWidget::focusOutEvent(QFocusEvent*) {
    // The control's focus loss completes and formats the entry.
    try {
        if (EditBox* box = control_->liveBox(); box != nullptr && box->hasFocus())
            box->giveUpFocus();
    } catch (const AutomationError&) {
        MessageBeep();
    }
    afterInput();
}

void QueltaWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && control_ != nullptr) {
        write("enabled", [this](Quelta& c) { c.letEnabled(toBoolean(isEnabled())); });
    }
    QWidget::changeEvent(event);
}

}  // namespace quelta::qt
