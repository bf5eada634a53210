#pragma once
// A Qt widget that hosts one Quelta control. The control stays the platform's: the widget
// draws the control's live edit box from the same view as the terminal host
// (view/EditView.h) and feeds it Qt's input: key events become the platform's
// key-down, character and key-up input, mouse events its mouse input, and Qt's focus its
// focus. Tab, Shift+Tab and the control's automatic tab move Qt's focus along Qt's focus
// chain, so that leaving the last control reaches the next Qt widget.
//
// Text is measured with Qt's font metrics (QtTextMeasurer) while a widget lives on the
// thread, so that caret, selection and hit-testing line up with what Qt draws. Regional
// settings come from the widget's QLocale unless a region is given; the first widget of a
// thread chooses them for all (QtRegion.h).
//
// The common properties are Qt properties, each the control's member of the same name; a
// value the control refuses leaves it as it was and is reported by `refused`. Those the
// platform fixes while an application runs (alignment, multiLine) reload the control with
// the new value, as a designer would. Everything else is reachable through the dispatch
// interface (`invoke`) or the control itself.

#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "api/Dispatch.h"
#include "form/FormFile.h"
#include "platform/runtime/Variant.h"
#include "platform/window/WindowSystem.h"
#include "qt/QtPlatformUse.h"
#include "qt/WidgetFont.h"
#include "view/EditView.h"

namespace quelta {
class Form;
class Quelta;
class EditBox;
struct MemberInfo;
}  // namespace quelta

namespace quelta::qt {

struct PixelLayout;

class QueltaWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed)
    Q_PROPERTY(QString value READ value WRITE setValue NOTIFY changed)
    Q_PROPERTY(QString formattedText READ formattedText NOTIFY changed)
    Q_PROPERTY(int dataType READ dataType WRITE setDataType)
    Q_PROPERTY(QString format READ format WRITE setFormat)
    Q_PROPERTY(int scaleDigits READ scaleDigits WRITE setScaleDigits)
    Q_PROPERTY(bool autoTab READ autoTab WRITE setAutoTab)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(int alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool multiLine READ multiLine WRITE setMultiLine)
    Q_PROPERTY(bool locked READ locked WRITE setLocked)
    // `enabled` is QWidget's own; the control follows it.

public:
    // `region`: a region name such as "de-DE"; empty takes the widget's locale's. The first
    // widget of the thread decides.
    explicit QueltaWidget(QWidget* parent = nullptr, const QString& region = {});
    // The widget of one control of a form file, started from its saved properties; a value
    // the control refuses raises FormFileError naming `file`.
    QueltaWidget(const StoredControl& stored, const std::string& file, QWidget* parent,
                 const QString& region = {});
    ~QueltaWidget() override;

    QString text() const;
    void setText(const QString& text);
    QString value() const;
    void setValue(const QString& value);
    QString formattedText() const;
    int dataType() const;
    void setDataType(int dataType);
    QString format() const;
    void setFormat(const QString& format);
    int scaleDigits() const;
    void setScaleDigits(int digits);
    bool autoTab() const;
    void setAutoTab(bool autoTab);
    int maxLength() const;
    void setMaxLength(int maxLength);
    int alignment() const;
    void setAlignment(int alignment);
    bool multiLine() const;
    void setMultiLine(bool multiLine);
    bool locked() const;
    void setLocked(bool locked);

    // The control's name on its form (its extender Name).
    QString controlName() const;
    // Any member by name through the dispatch interface; raises the control's automation
    // errors (438 for an unknown name).
    Variant invoke(const QString& member, InvokeKind kind, std::span<Variant> arguments = {});
    Quelta& control() { return *control_; }

    QSize sizeHint() const override;                                       // FieldSizeHint.h
    QSize minimumSizeHint() const override;                                // FieldSizeHint.h
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;  // FieldInputMethod.h

signals:
    void changed();
    // The character about to be typed, as a character code; set it to another code to type
    // that instead, or to 0 to cancel the key.
    void keyPressed(int& keyAscii);
    void keyDown(int& keyCode, int shift);
    void keyUp(int& keyCode, int shift);
    void clicked();
    void doubleClicked();
    // A property write the control refused, with its error number.
    void refused(const QString& property, int error);
    // Each event and property change as the script host echoes it ("event txtQty.Change");
    // built only while something listens.
    void logged(const QString& line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;  // FieldContextMenu.h

private:
    enum class Mouse { Down, Up, Move, DoubleClick };

    void connectForm();
    void onEvent(std::int32_t dispid, std::span<Variant> arguments);
    template <typename Write>
    void write(const QString& property, Write&& write);
    QVariant controlProperty(std::string_view member) const;
    void setControlProperty(std::string_view member, const QVariant& value);
    void redesign(const MemberInfo& row, Variant value);
    void afterInput();
    void syncFocusPolicy();
    void syncGeometry();
    QSize controlSize() const;
    void restartCaret();

    void feedKeys(bool press, QKeyEvent* event);
    void deliverPendingKeys();
    void deliver(const KeyInput& input);
    void mouse(Mouse action, QMouseEvent* event);

    EditBox* liveBox() const;
    PixelLayout layoutOf(EditBox& box) const;

    QtPlatformUse use_;  // first, so that it outlives the control
    std::unique_ptr<Form> form_;
    Quelta* control_ = nullptr;
    WidgetFont font_;  // the control's Font follows font() until it is set
    QTimer caretTimer_;
    bool caretShown_ = true;
    bool syncing_ = false;
};

}  // namespace quelta::qt
