#pragma once
// The inside of a FieldWidget: one Quelta control on a form of its own, which the widget
// draws and feeds. The control stays the platform's: the widget draws the control's live
// edit box from the same view as the terminal host (view/EditView.h) and feeds it Qt's
// input: key events become the platform's key-down, character and key-up input, mouse
// events its mouse input, and Qt's focus its focus. Tab, Shift+Tab and the control's
// automatic tab move Qt's focus along Qt's focus chain, so that leaving the last control
// reaches the next Qt widget.
//
// Text is measured with Qt's font metrics (QtTextMeasurer) while a widget lives on the
// thread, so that caret, selection and hit-testing line up with what Qt draws. Regional
// settings come from the widget's QLocale unless a region is given; the first widget of a
// thread chooses them for all (QtRegion.h).
//
// Each Qt property is the control's member of the same name, reached through the dispatch
// interface; a value the control refuses leaves it as it was and is reported by `refused`.
// Those the platform fixes while an application runs (alignment, multiLine) reload the
// control with the new value, as a designer would, so that the control is a new one after
// such a write: nothing here hands out a reference that outlives one call.
//
// The widget's change signals are published after each input and each write, for the
// properties someone listens to: their values are compared with those seen before, so that
// a property derived from another (value, formattedText, selStart) is announced too.

#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/FormFile.h"
#include "platform/editbox/EditKeyCommand.h"
#include "platform/runtime/Variant.h"
#include "platform/window/WindowSystem.h"
#include "qt/QtPlatformUse.h"
#include "qt/WidgetFont.h"
#include "quelta/qt/FieldWidget.h"

class QContextMenuEvent;
class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;

namespace quelta {
class Form;
class Quelta;
class EditBox;
struct MemberInfo;
}  // namespace quelta

namespace quelta::qt {

struct PixelLayout;

class FieldWidgetPrivate : public QObject {
    Q_OBJECT

public:
    FieldWidgetPrivate(FieldWidget& widget, const QString& region);
    ~FieldWidgetPrivate() override;

    static FieldWidgetPrivate& of(FieldWidget& widget) { return *widget.d_; }

    // Starts the widget's control anew from one control of a form file, the widget named
    // after it; a value the control refuses raises FormFileError naming `file`.
    void load(const StoredControl& stored, const std::string& file);

    // The member's value in its Qt type (a flag as a bool, text as a QString, a colour as a
    // uint, every other number as an int, a Single as a double), and back. A write the
    // control refuses is reported by the widget's `refused`.
    QVariant read(std::string_view member, std::initializer_list<int> arguments) const;
    void write(std::string_view member, const QVariant& value);
    void call(std::string_view member);
    // Value, typed by the data type (FieldValue.h).
    QVariant typedValue() const;
    void setTypedValue(const QVariant& value);

    // The control's name on its form (its extender Name).
    QString controlName() const;
    // The control as it is now: a write of a property fixed at run time replaces it.
    Quelta& control() { return *control_; }

    // The widget's events.
    enum class Mouse { Down, Up, Move, DoubleClick };
    void paint();
    void resized();
    void key(bool press, QKeyEvent* event);
    void inputMethod(QInputMethodEvent* event);
    void mouse(Mouse action, QMouseEvent* event);
    void focusIn(QFocusEvent* event);
    void focusOut(QFocusEvent* event);
    void enabledChanged();
    void fontChanged();
    void contextMenu(QContextMenuEvent* event);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const;  // FieldInputMethod.h
    QSize sizeHint() const;                                       // FieldSizeHint.h
    QSize minimumSizeHint() const;

    // The box the widget shows; null while the control shows none.
    EditBox* liveBox() const;

    // The edit slots: the command acts on the edit box as its key does.
    void edit(EditCommand command);
    void undo(bool redo);
    bool canRedo() const { return redoable_; }

    // From now on the widget's property of this change signal is published.
    void watch(const QMetaMethod& signal);

signals:
    // Each event and property change as the script host echoes it ("event txtQty.Change");
    // built only while something listens.
    void logged(const QString& line);

private:
    void connectForm();
    void onEvent(std::int32_t dispid, std::span<Variant> arguments);
    void onKeyPress(Variant& keyAscii);
    void redesign(const MemberInfo& row, Variant value);
    template <typename Action>
    void asHost(const QString& property, Action&& action);
    void afterInput();
    void publishChanges();
    void publishCaret();
    void syncFocusPolicy();
    void syncGeometry();
    QSize controlSize() const;
    void followFont();
    void restartCaret();

    void deliverPendingKeys();
    void deliver(const KeyInput& input);

    PixelLayout layoutOf(EditBox& box) const;

    FieldWidget& q_;
    QtPlatformUse use_;  // before the form, so that it outlives the control
    std::unique_ptr<Form> form_;
    Quelta* control_ = nullptr;
    WidgetFont font_;  // the control's Font follows the widget's font() until it is set
    QTimer caretTimer_;
    bool caretShown_ = true;
    bool syncing_ = false;

    int hostWrites_ = 0;     // a change inside a host's write is no edit of the user's
    bool undoing_ = false;   // the change being made is an undo
    bool redoable_ = false;  // the last change was an undo
    bool keyReachedHost_ = false;
    std::int32_t caret_ = 0;
    std::int32_t selStart_ = 0;
    std::int32_t selLength_ = 0;
    // The values last published of the properties watched, by index among the widget's own.
    std::vector<std::optional<QVariant>> published_;
    bool watching_ = false;
};

}  // namespace quelta::qt
