#pragma once
// A Quelta field as a Qt widget, for Qt applications and for forms made in Qt Designer
// (a .ui file names it as a custom widget: class quelta::qt::FieldWidget, header
// quelta/qt/FieldWidget.h). It draws the field's edit box with Qt and feeds it Qt's keys,
// mouse and focus; Tab and the automatic tab move Qt's focus.
//
// Every property of the control is a Qt property of the same name in lower camel case
// (dataType, scaleDigits, oleDragMode), with a change signal; its enumerations are Qt
// enumerations; QWidget's own enabled and font stand for Enabled and Font. `value` is
// typed by the data type: a double for the numeric types, a QDateTime (a QTime for a time
// of day alone) for dates, a bool for Boolean, a QString for the text types, and a null
// QVariant while the field is empty.
//
// It behaves as a line edit among Qt widgets: the style draws its frame, copy and paste use
// the application's clipboard, the right button opens the edit menu, and screen readers and
// input methods are answered. Its text is drawn in the widget's font() until the field's own
// font is set (fontName, fontSize, ...); from then on that choice stands over setFont.
//
// The regional settings belong to the thread: the first field of a thread takes them from
// `region`, else from its QLocale. A value the field refuses changes nothing and is reported
// by `refused` with the error number. A few properties (alignment, multiLine, borderStyle,
// ...) are fixed while an application runs, as in a form designer: the widget takes a new
// value by reloading its control from its saved properties with it.

#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

#include "quelta/Export.h"

namespace quelta::qt {

class FieldWidgetPrivate;

// The character about to be typed, for the keyPressed signal: a handler may type another
// character instead (setKey, a character code) or none (cancel). The field reads the event
// back when the signal returns, after every handler has run, so any connection that runs
// its handler before that (a direct or a blocking queued one) may change the key; unlike a
// reference argument, the event is not copied on the way. A queued handler sees the event
// too late and must not keep the pointer.
class QUELTA_API KeyEvent {
public:
    explicit KeyEvent(int key) : key_(key) {}
    int key() const { return key_; }
    void setKey(int key) { key_ = key; }
    void cancel() { key_ = 0; }
    bool isCancelled() const { return key_ == 0; }

private:
    int key_;
};

class QUELTA_API FieldWidget : public QWidget {
    Q_OBJECT
    // BEGIN properties generated from the member table
    // Do not edit up to the END mark: after a change of the table run
    // `cmake --build build --target quelta-regenerate`.
    // clang-format off
public:
    enum class Alignment {
        LeftJustify = 0,  // Left Justify
        RightJustify = 1,  // Right Justify
        Center = 2,  // Center
    };
    Q_ENUM(Alignment)
    enum class Appearance {
        AppearanceFlat = 0,  // Flat
        Appearance3D = 1,  // 3D
    };
    Q_ENUM(Appearance)
    enum class BorderStyle {
        BorderNone = 0,  // None
        BorderFixedSingle = 1,  // Fixed Single
    };
    Q_ENUM(BorderStyle)
    enum class DataType {
        Text = 0,  // Text
        LowerCase = 1,  // Lower Case
        UpperCase = 2,  // Upper Case
        Boolean = 3,  // Boolean
        Numeric = 4,  // Numeric
        SignedNumeric = 5,  // Signed Numeric
        DateTime = 6,  // Date and Time
    };
    Q_ENUM(DataType)
    enum class MousePointer {
        Default = 0,  // Default
        Arrow = 1,  // Arrow
        Cross = 2,  // Cross
        IBeam = 3,  // I-Beam
        Icon = 4,  // Icon
        Size = 5,  // Size
        SizeNESW = 6,  // Size NE SW
        SizeNS = 7,  // Size N S
        SizeNWSE = 8,  // Size NW SE
        SizeWE = 9,  // Size W E
        UpArrow = 10,  // Up Arrow
        Hourglass = 11,  // Hourglass
        NoDrop = 12,  // No Drop
        ArrowHourglass = 13,  // Arrow and Hourglass
        ArrowQuestion = 14,  // Arrow and Question
        SizeAll = 15,  // Size All
        Custom = 99,  // Custom
    };
    Q_ENUM(MousePointer)
    enum class OLEDragMode {
        DragModeManual = 0,  // Manual
        DragModeAutomatic = 1,  // Automatic
    };
    Q_ENUM(OLEDragMode)
    enum class OLEDropMode {
        DropModeNone = 0,  // None
        DropModeManual = 1,  // Manual
        DropModeAutomatic = 2,  // Automatic
    };
    Q_ENUM(OLEDropMode)
    enum class ScrollBars {
        ScrollBarsNone = 0,  // None
        ScrollBarsHorizontal = 1,  // Horizontal
        ScrollBarsVertical = 2,  // Vertical
        ScrollBarsBoth = 3,  // Both
    };
    Q_ENUM(ScrollBars)
    Q_PROPERTY(Alignment alignment READ alignment WRITE setAlignment NOTIFY alignmentChanged)
    Q_PROPERTY(Appearance appearance READ appearance WRITE setAppearance NOTIFY appearanceChanged)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize NOTIFY autoSizeChanged)
    Q_PROPERTY(bool autoTab READ autoTab WRITE setAutoTab NOTIFY autoTabChanged)
    Q_PROPERTY(uint backColor READ backColor WRITE setBackColor NOTIFY backColorChanged)
    Q_PROPERTY(BorderStyle borderStyle READ borderStyle WRITE setBorderStyle NOTIFY borderStyleChanged)
    Q_PROPERTY(DataType dataType READ dataType WRITE setDataType NOTIFY dataTypeChanged)
    Q_PROPERTY(bool disabledGray READ disabledGray WRITE setDisabledGray NOTIFY disabledGrayChanged)
    Q_PROPERTY(bool fontBold READ fontBold WRITE setFontBold NOTIFY fontBoldChanged)
    Q_PROPERTY(bool fontItalic READ fontItalic WRITE setFontItalic NOTIFY fontItalicChanged)
    Q_PROPERTY(QString fontName READ fontName WRITE setFontName NOTIFY fontNameChanged)
    Q_PROPERTY(double fontSize READ fontSize WRITE setFontSize NOTIFY fontSizeChanged)
    Q_PROPERTY(bool fontStrikeThru READ fontStrikeThru WRITE setFontStrikeThru NOTIFY fontStrikeThruChanged)
    Q_PROPERTY(bool fontUnderline READ fontUnderline WRITE setFontUnderline NOTIFY fontUnderlineChanged)
    Q_PROPERTY(uint foreColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(QString format READ format WRITE setFormat NOTIFY formatChanged)
    Q_PROPERTY(QString formattedText READ formattedText NOTIFY formattedTextChanged)
    Q_PROPERTY(bool hideSelection READ hideSelection WRITE setHideSelection NOTIFY hideSelectionChanged)
    Q_PROPERTY(bool locked READ locked WRITE setLocked NOTIFY lockedChanged)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength NOTIFY maxLengthChanged)
    Q_PROPERTY(QString mouseIcon READ mouseIcon WRITE setMouseIcon NOTIFY mouseIconChanged)
    Q_PROPERTY(MousePointer mousePointer READ mousePointer WRITE setMousePointer NOTIFY mousePointerChanged)
    Q_PROPERTY(bool multiLine READ multiLine WRITE setMultiLine NOTIFY multiLineChanged)
    Q_PROPERTY(OLEDragMode oleDragMode READ oleDragMode WRITE setOleDragMode NOTIFY oleDragModeChanged)
    Q_PROPERTY(OLEDropMode oleDropMode READ oleDropMode WRITE setOleDropMode NOTIFY oleDropModeChanged)
    Q_PROPERTY(bool overType READ overType WRITE setOverType NOTIFY overTypeChanged)
    Q_PROPERTY(QString passwordChar READ passwordChar WRITE setPasswordChar NOTIFY passwordCharChanged)
    Q_PROPERTY(bool rightToLeft READ rightToLeft WRITE setRightToLeft NOTIFY rightToLeftChanged)
    Q_PROPERTY(ScrollBars scrollBars READ scrollBars WRITE setScrollBars NOTIFY scrollBarsChanged)
    Q_PROPERTY(int scaleDigits READ scaleDigits WRITE setScaleDigits NOTIFY scaleDigitsChanged)
    Q_PROPERTY(int selLength READ selLength WRITE setSelLength NOTIFY selLengthChanged)
    Q_PROPERTY(int selStart READ selStart WRITE setSelStart NOTIFY selStartChanged)
    Q_PROPERTY(QString selText READ selText WRITE setSelText NOTIFY selTextChanged)
    Q_PROPERTY(bool startSelected READ startSelected WRITE setStartSelected NOTIFY startSelectedChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
    Q_PROPERTY(QVariant value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap NOTIFY wordWrapChanged)
    Q_PROPERTY(int col READ col NOTIFY colChanged)
    Q_PROPERTY(int row READ row NOTIFY rowChanged)
    Q_PROPERTY(int rows READ rows NOTIFY rowsChanged)

    // Returns/sets the alignment of a control's text. Written at run time, it reloads the control.
    Alignment alignment() const;
    void setAlignment(Alignment value);
    // Returns/sets whether or not an object is painted at run time with 3-D effects. Written at run time, it reloads the control.
    Appearance appearance() const;
    void setAppearance(Appearance value);
    // Returns/sets whether or not an object is automatically sized according to its MaxLength property. Written at run time, it reloads the control.
    bool autoSize() const;
    void setAutoSize(bool value);
    // Returns/sets whether or not the next control in the tab order automatically receives the focus.
    bool autoTab() const;
    void setAutoTab(bool value);
    // Returns/sets the background color used to display text and graphics in an object.
    uint backColor() const;
    void setBackColor(uint value);
    // Returns/sets the border style for an object. Written at run time, it reloads the control.
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle value);
    // Returns/sets the data type of an object.
    DataType dataType() const;
    void setDataType(DataType value);
    // Returns/sets whether or not the background color is gray if the control is disabled.
    bool disabledGray() const;
    void setDisabledGray(bool value);
    // Returns/sets bold font styles.
    bool fontBold() const;
    void setFontBold(bool value);
    // Returns/sets italic font styles.
    bool fontItalic() const;
    void setFontItalic(bool value);
    // Specifies the name of the font that appears in each row for the given level.
    QString fontName() const;
    void setFontName(const QString& value);
    // Specifies the size (in points) of the font that appears in each row for the given level.
    double fontSize() const;
    void setFontSize(double value);
    // Returns/sets strikethrough font styles.
    bool fontStrikeThru() const;
    void setFontStrikeThru(bool value);
    // Returns/sets underline font styles.
    bool fontUnderline() const;
    void setFontUnderline(bool value);
    // Returns/sets the foreground color used to display text and graphics in an object.
    uint foreColor() const;
    void setForeColor(uint value);
    // Specifies the format for displaying and printing numbers, dates, times, and text.
    QString format() const;
    void setFormat(const QString& value);
    // Returns the formatted text contained in the control.
    QString formattedText() const;
    // Specifies whether the selection in a control is hidden when the control loses focus. Written at run time, it reloads the control.
    bool hideSelection() const;
    void setHideSelection(bool value);
    // Determines whether a control can be edited.
    bool locked() const;
    void setLocked(bool value);
    // Returns/sets the maximum number of characters that can be entered in a control.
    int maxLength() const;
    void setMaxLength(int value);
    // Sets a custom mouse icon.
    QString mouseIcon() const;
    void setMouseIcon(const QString& value);
    // Returns/sets the type of mouse pointer displayed when over part of an object.
    MousePointer mousePointer() const;
    void setMousePointer(MousePointer value);
    // Returns/sets a value that determines whether the control can accept multiple lines of text. Written at run time, it reloads the control.
    bool multiLine() const;
    void setMultiLine(bool value);
    // Returns/Sets whether this object can act as an OLE drag/drop source, and whether this process is started automatically or under programmatic control.
    OLEDragMode oleDragMode() const;
    void setOleDragMode(OLEDragMode value);
    // Returns/Sets whether this object can act as an OLE drop target, and whether this takes place automatically or under programmatic control.
    OLEDropMode oleDropMode() const;
    void setOleDropMode(OLEDropMode value);
    // Determines whether characters typed by a user are inserted or replace the character at the caret position.
    bool overType() const;
    void setOverType(bool value);
    // Returns/sets a value that determines whether characters typed by a user or placeholder characters are displayed in a control.
    QString passwordChar() const;
    void setPasswordChar(const QString& value);
    // Determines text display direction and control visual appearance on a biderectional system.
    bool rightToLeft() const;
    void setRightToLeft(bool value);
    // Returns/sets a value indicating whether an object has vertical or horizontal scroll bars.
    ScrollBars scrollBars() const;
    void setScrollBars(ScrollBars value);
    // Returns/sets the precision for numeric data.
    int scaleDigits() const;
    void setScaleDigits(int value);
    // Returns/sets the number of characters selected.
    int selLength() const;
    void setSelLength(int value);
    // Returns/sets the starting point of text selected.
    int selStart() const;
    void setSelStart(int value);
    // Returns/sets the string containing the currently selected text.
    QString selText() const;
    void setSelText(const QString& value);
    // Returns/sets whether or not the complete contents of a control is selected when it receives the focus.
    bool startSelected() const;
    void setStartSelected(bool value);
    // Returns/sets the text contained in the control.
    QString text() const;
    void setText(const QString& value);
    // Returns/sets the raw data for an object.
    QVariant value() const;
    void setValue(const QVariant& value);
    // Returns/sets a value indicating whether the control scrolls or wraps words when the caret goes past its right edge.
    bool wordWrap() const;
    void setWordWrap(bool value);
    // Returns the current column (1-based).
    int col() const;
    // Returns the current row (1-based).
    int row() const;
    // Returns the length of a row.
    Q_INVOKABLE int rowLength(int line) const;
    // Returns the number of rows.
    int rows() const;

public Q_SLOTS:
    // Forces a complete repaint of an object.
    void refresh();

Q_SIGNALS:
    void alignmentChanged(Alignment alignment);
    void appearanceChanged(Appearance appearance);
    void autoSizeChanged(bool autoSize);
    void autoTabChanged(bool autoTab);
    void backColorChanged(uint backColor);
    void borderStyleChanged(BorderStyle borderStyle);
    void dataTypeChanged(DataType dataType);
    void disabledGrayChanged(bool disabledGray);
    void fontBoldChanged(bool fontBold);
    void fontItalicChanged(bool fontItalic);
    void fontNameChanged(const QString& fontName);
    void fontSizeChanged(double fontSize);
    void fontStrikeThruChanged(bool fontStrikeThru);
    void fontUnderlineChanged(bool fontUnderline);
    void foreColorChanged(uint foreColor);
    void formatChanged(const QString& format);
    void formattedTextChanged(const QString& formattedText);
    void hideSelectionChanged(bool hideSelection);
    void lockedChanged(bool locked);
    void maxLengthChanged(int maxLength);
    void mouseIconChanged(const QString& mouseIcon);
    void mousePointerChanged(MousePointer mousePointer);
    void multiLineChanged(bool multiLine);
    void oleDragModeChanged(OLEDragMode oleDragMode);
    void oleDropModeChanged(OLEDropMode oleDropMode);
    void overTypeChanged(bool overType);
    void passwordCharChanged(const QString& passwordChar);
    void rightToLeftChanged(bool rightToLeft);
    void scrollBarsChanged(ScrollBars scrollBars);
    void scaleDigitsChanged(int scaleDigits);
    void selLengthChanged(int selLength);
    void selStartChanged(int selStart);
    void selTextChanged(const QString& selText);
    void startSelectedChanged(bool startSelected);
    void textChanged(const QString& text);
    void valueChanged(const QVariant& value);
    void wordWrapChanged(bool wordWrap);
    void colChanged(int col);
    void rowChanged(int row);
    void rowsChanged(int rows);
    // clang-format on
    // END properties generated from the member table

public:
    // `region`: a region name such as "de-DE"; empty takes the widget's locale's. The first
    // widget of the thread decides.
    explicit FieldWidget(QWidget* parent = nullptr, const QString& region = {});
    ~FieldWidget() override;

    // As a line edit's: a line of the font, as wide as MaxLength characters with AutoSize.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public Q_SLOTS:
    // Editing as the keys edit: each acts through the field's edit box and is refused as
    // its key would be (nothing happens in a locked field, a masked one copies nothing).
    void undo();
    void redo();  // undoes the last undo
    void selectAll();
    void copy();
    void cut();
    void paste();
    void clear();  // deletes the whole text, as a user would, undoably

Q_SIGNALS:
    // The text changed by the user (typing, the clipboard, undo), never by a host's write.
    void textEdited(const QString& text);
    // Once each time the focus leaves the field, after the field shows its formatted value.
    void editingFinished();
    void returnPressed();
    // A typed character the field's data type refused.
    void inputRejected();
    void selectionChanged();
    void cursorPositionChanged(int oldPosition, int newPosition);
    // The character about to be typed (see KeyEvent).
    void keyPressed(quelta::qt::KeyEvent* event);
    void clicked();
    void doubleClicked();
    // A property write the control refused, with its error number.
    void refused(const QString& property, int error);

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
    // Undo, Redo, Cut, Copy, Paste, Delete and Select All, as the edit slots do them.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    friend class FieldWidgetPrivate;
    void emitChanged(int property);  // the change signal of the widget's property of that index

    std::unique_ptr<FieldWidgetPrivate> d_;
};

}  // namespace quelta::qt
