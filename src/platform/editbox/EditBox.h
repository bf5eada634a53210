#pragma once
// The platform's edit box: a model of the platform's edit control that never draws. It
// keeps text, caret, selection, undo and rows; takes keys, characters, mouse events and
// drops from its host; and tells its owner what happened through EditBoxEvents. Hosts draw
// it from displayText(), the rows and the selection.
//
// Its window is created with class "EDIT" and the creation style, and the box reads its
// styles back from the window afterwards, so that a creation hook decides them. Styles are
// fixed for the life of the window, as on the platform; Visible and Enabled are the only
// ones the box changes later.

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/Boolean.h"
#include "platform/String.h"
#include "platform/editbox/EditBoxEvents.h"
#include "platform/editbox/EditKeyCommand.h"
#include "platform/editbox/EditLayout.h"
#include "platform/editbox/EditText.h"
#include "platform/fonts/Font.h"
#include "platform/runtime/Variant.h"
#include "platform/window/DataObject.h"
#include "platform/window/DragSession.h"
#include "platform/window/SystemColours.h"
#include "platform/window/WindowSystem.h"

namespace quelta {

class TextMeasurer;

// The properties a copy of a box takes over (everything but text, selection and window).
struct EditBoxProperties {
    std::int32_t maxLength = 0;
    bool locked = false;
    bool enabled = true;
    bool visible = true;
    std::uint32_t backColor = kSystemWindowBackground;
    std::uint32_t foreColor = kSystemWindowText;
    FontRef font;  // never null inside a box
    std::int16_t mousePointer = 0;
    ObjectRef mouseIcon;
    std::int16_t oleDragMode = 0;  // 0 manual, 1 automatic
    std::int16_t oleDropMode = 0;  // 0 none, 1 manual, 2 automatic
    String passwordChar;
    bool rightToLeft = false;
    std::int32_t helpContextID = 0;
    std::int32_t whatsThisHelpID = 0;
    String toolTipText;
    double left = 0;
    double top = 0;
    double width = 1200;
    double height = 285;
};

struct EditBoxCreation {
    int index = 0;                   // the element index every notification carries
    EditBoxEvents* owner = nullptr;  // not owned; may be null
    WindowHandle parent = 0;
    std::uint32_t style = ES_AUTOHSCROLL;  // the edit styles asked for; a hook may change them
    std::uint32_t exStyle = 0;
    EditBoxProperties properties;
    String text;
};

class EditBox : public WindowProcedure, public std::enable_shared_from_this<EditBox> {
    // Lets only create() construct a box, while the box and its count share one allocation.
    struct CreationKey {
        explicit CreationKey() = default;
    };

public:
    // Creates the box and its window; error 7 (out of memory) when no window could be made.
    static std::shared_ptr<EditBox> create(EditBoxCreation creation);
    EditBox(CreationKey, EditBoxCreation&& creation);
    ~EditBox() override;
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    // The box whose window this is, on this thread; null for any other window.
    static std::shared_ptr<EditBox> fromWindow(WindowHandle window);

    // Destroys the window without telling the owner; the box then ignores all input.
    void destroy();
    // Takes the focus away from the box if it has it, telling the owner as any focus loss
    // does; afterwards no window has the focus.
    void giveUpFocus();
    bool isAlive() const { return window_ != 0; }

    int index() const { return index_; }
    WindowHandle hWnd() const { return window_; }
    std::uint32_t style() const { return style_; }
    std::uint32_t exStyle() const { return exStyle_; }
    bool isMultiLine() const { return (style_ & ES_MULTILINE) != 0; }
    bool wordWraps() const { return isMultiLine() && (style_ & ES_AUTOHSCROLL) == 0; }
    const EditBoxProperties& properties() const { return properties_; }

    // Text and selection. A Text write replaces everything (no MaxLength, no case
    // conversion), puts the caret at the start and raises Change before it returns.
    const String& text() const { return text_.text(); }
    void setText(StringView text);
    std::int32_t selStart() const { return text_.selectionStart(); }
    std::int32_t selLength() const { return text_.selectionLength(); }
    String selText() const { return text_.selectedText(); }
    // Negative values are error 380; values past the text are clamped to it.
    void setSelStart(std::int32_t start);
    void setSelLength(std::int32_t length);
    // Replaces the selection as a paste would (case styles, MaxLength) and raises Change.
    void setSelText(StringView text);
    std::int32_t caret() const { return text_.caret(); }
    // Whether an undo (Ctrl+Z) has an edit to take back.
    bool canUndo() const { return text_.canUndo(); }

    std::int32_t maxLength() const { return properties_.maxLength; }
    void setMaxLength(std::int32_t maxLength);  // 0 no limit; negative is error 380
    Boolean locked() const { return toBoolean(properties_.locked); }
    void setLocked(Boolean locked) { properties_.locked = isTrue(locked); }
    Boolean enabled() const { return toBoolean(properties_.enabled); }
    void setEnabled(Boolean enabled);
    Boolean visible() const { return toBoolean(properties_.visible); }
    void setVisible(Boolean visible);
    std::uint32_t backColor() const { return properties_.backColor; }
    void setBackColor(std::uint32_t color) { properties_.backColor = color; }
    std::uint32_t foreColor() const { return properties_.foreColor; }
    void setForeColor(std::uint32_t color) { properties_.foreColor = color; }

    // The font is shared by reference; the shortcuts change that object in place.
    const FontRef& font() const { return properties_.font; }
    void setFont(FontRef font);  // null is error 380
    Boolean fontBold() const { return toBoolean(font()->bold()); }
    void setFontBold(Boolean bold) { font()->setBold(isTrue(bold)); }
    Boolean fontItalic() const { return toBoolean(font()->italic()); }
    void setFontItalic(Boolean italic) { font()->setItalic(isTrue(italic)); }
    Boolean fontStrikethru() const { return toBoolean(font()->strikethrough()); }
    void setFontStrikethru(Boolean on) { font()->setStrikethrough(isTrue(on)); }
    Boolean fontUnderline() const { return toBoolean(font()->underline()); }
    void setFontUnderline(Boolean on) { font()->setUnderline(isTrue(on)); }
    const String& fontName() const { return font()->name(); }
    void setFontName(String name) { font()->setName(std::move(name)); }
    float fontSize() const { return font()->size(); }
    void setFontSize(float points) { font()->setSize(points); }

    // Stored and read back; values outside their sets are error 380.
    std::int16_t mousePointer() const { return properties_.mousePointer; }
    void setMousePointer(std::int16_t pointer);  // 0..15 or 99 (custom)
    const ObjectRef& mouseIcon() const { return properties_.mouseIcon; }
    void setMouseIcon(ObjectRef icon) { properties_.mouseIcon = std::move(icon); }
    std::int16_t oleDragMode() const { return properties_.oleDragMode; }
    void setOleDragMode(std::int16_t mode);  // 0 manual, 1 automatic
    std::int16_t oleDropMode() const { return properties_.oleDropMode; }
    void setOleDropMode(std::int16_t mode);  // 0 none, 1 manual, 2 automatic
    const String& passwordChar() const { return properties_.passwordChar; }
    void setPasswordChar(StringView passwordChar);  // "" or one UTF-16 character
    Boolean rightToLeft() const { return toBoolean(properties_.rightToLeft); }
    void setRightToLeft(Boolean rtl) { properties_.rightToLeft = isTrue(rtl); }

    Boolean dataChanged() const { return toBoolean(dataChanged_); }
    void setDataChanged(Boolean changed) { dataChanged_ = isTrue(changed); }

    std::int32_t helpContextID() const { return properties_.helpContextID; }
    void setHelpContextID(std::int32_t id) { properties_.helpContextID = id; }
    std::int32_t whatsThisHelpID() const { return properties_.whatsThisHelpID; }
    void setWhatsThisHelpID(std::int32_t id) { properties_.whatsThisHelpID = id; }
    const String& toolTipText() const { return properties_.toolTipText; }
    void setToolTipText(String text) { properties_.toolTipText = std::move(text); }

    // Position and size in twips of the parent. A negative or non-finite size is error 380.
    double left() const { return properties_.left; }
    double top() const { return properties_.top; }
    double width() const { return properties_.width; }
    double height() const { return properties_.height; }
    void setWidth(double width) { move(left(), top(), width, height()); }
    void setHeight(double height) { move(left(), top(), width(), height); }
    void move(double left, double top, double width, double height);
    // The width the text wraps in, where the host draws less than the box's width (a
    // border or a scroll bar of its own); until set, or when not positive, the box's width.
    void setFormatWidth(double width) { formatWidth_ = width; }

    void refresh() { ++repaintCount_; }
    int repaintCount() const { return repaintCount_; }

    // Starts a drag with this box as the source, played out by the thread's drop-target
    // player (DragSession.h).
    void oleDrag();

    // --- What hosts draw --------------------------------------------------------------
    // The text as shown: masked by the password character in a single-line box.
    String displayText() const;
    bool isMasked() const { return !properties_.passwordChar.empty() && !isMultiLine(); }
    bool hasFocus() const { return focused_; }
    // Whether the selection is shown: always while focused, otherwise only with ES_NOHIDESEL.
    bool selectionVisible() const { return focused_ || (style_ & ES_NOHIDESEL) != 0; }
    std::int32_t rowCount();
    std::int32_t rowStart(std::int32_t row);  // clamped to the rows
    std::int32_t rowLength(std::int32_t row);
    std::int32_t rowFromChar(std::int32_t index);
    double lineHeight() const;
    // The character index nearest to a point in twips from the box's top-left corner.
    std::int32_t hitTest(double x, double y);
    // Where the caret of a position is drawn, in twips from the top-left corner.
    struct Point {
        double x = 0;
        double y = 0;
    };
    Point positionOf(std::int32_t index);

    // --- Input from the host ----------------------------------------------------------
    // One notification each, then the box's own processing; disabled boxes take no input.
    void keyDown(std::int16_t keyCode, std::int16_t shift);
    void keyPress(char16_t character);
    void keyUp(std::int16_t keyCode, std::int16_t shift);
    // Key-down, the character the key produces (if any), key-up.
    void pressKey(std::int16_t keyCode, std::int16_t shift = 0);
    // Types a character with its key on the standard layout, or as a character alone.
    void typeCharacter(char16_t character);
    void typeText(StringView text);
    // One key from the thread's keyboard input queue (WindowSystem.h), as a host delivers
    // it to the box that has the focus.
    void deliver(const KeyInput& input);
    // The command of a key without the key: what a host's Undo, Cut, Copy, Paste or Select
    // All does, refused as the key would be (nothing while the box takes no input).
    void perform(EditCommand command);

    void mouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // The second press of a double click: selects the word under the point, then DblClick.
    void mouseDoubleClick(std::int16_t button, std::int16_t shift, float x, float y);
    // Full sequences with the left button: down, up (with Click); and down, up, double
    // click, up.
    void click(float x, float y, std::int16_t shift = 0);
    void doubleClick(float x, float y);

    // The box as drop target. Effects are answered according to OLEDropMode: none refuses
    // silently, manual asks the owner (what it leaves in Effect is the answer), automatic
    // takes text and inserts it at the drop point. A drag-over also reports the effect to
    // the source as feedback.
    std::int32_t oleDragOver(DragSession& session, std::int16_t button, std::int16_t shift, float x,
                             float y, std::int16_t state);
    std::int32_t oleDragDrop(DragSession& session, std::int16_t button, std::int16_t shift, float x,
                             float y);

    std::int32_t windowProc(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                            std::int32_t lParam) override;

private:
    class SourceSession;
    struct ActiveDrag {
        std::int32_t start = 0;
        String text;
    };

    std::shared_ptr<EditBox> keepAlive();
    // Tells the owner, unless there is none or the box is going away.
    template <typename Notification>
    void notify(Notification&& notification) {
        if (owner_ != nullptr && !destroying_ && window_ != 0) notification(*owner_);
    }

    bool acceptsInput() const;

    // Editing.
    void execute(EditAction action, char16_t character);
    void executeMove(EditAction action);
    std::int32_t movedCaret(EditCommand command);
    void insertAsUser(String insertion, EditText::UndoKind kind);
    void deleteAsUser(std::int32_t from, std::int32_t to);
    void copySelection();
    void cutSelection();
    void pasteClipboard();
    void undoAsUser();
    String limitedInsertion(String insertion) const;
    void applyEdit(const EditChange& change, bool byUser);

    // Rows and measurement.
    bool layoutIsCurrent() const;
    void ensureLayout();
    WrapOptions wrapOptions() const;
    double measureCharacter(char32_t character);
    double displayWidth(std::int32_t from, std::int32_t to);
    double rowOffset(std::int32_t row);
    std::int32_t rowCaretEnd(std::int32_t row);
    bool fitsSingleLine(StringView text);
    std::int32_t verticalTarget(std::int32_t rows);

    // Window messages.
    std::int32_t lineIndex(std::int32_t line);
    std::int32_t lineLength(std::int32_t index);
    std::int32_t lineFromChar(std::int32_t index);

    std::int32_t dropText(DragSession& session, float x, float y, std::int32_t effect);

    // What only a box that is measured needs: its rows and the widths of its characters in
    // the font and measurer they were measured with. A control's template box is never shown
    // nor measured, so it never pays for these.
    struct Measurement {
        explicit Measurement(EditBox& box);
        EditLayout layout;
        bool layoutValid = false;
        const TextMeasurer* measuredWith = nullptr;
        const Font* measuredFont = nullptr;
        std::uint64_t measuredRevision = 0;
        std::unordered_map<char32_t, double> widths;  // measured, beyond ASCII
        CharacterWidth characterWidth;
    };
    // Made at the first measurement.
    Measurement& measurement();
    // The rows, current after ensureLayout.
    EditLayout& rowLayout() { return measurement_->layout; }
    double characterWidth(char32_t character) { return measurement().characterWidth(character); }

    int index_;
    EditBoxEvents* owner_;
    WindowHandle window_ = 0;
    std::uint32_t style_ = 0;
    std::uint32_t exStyle_ = 0;
    EditBoxProperties properties_;
    double formatWidth_ = 0;
    EditText text_;
    std::unique_ptr<Measurement> measurement_;
    std::optional<double> goalX_;
    bool focused_ = false;
    bool dataChanged_ = false;
    bool destroying_ = false;
    int repaintCount_ = 0;
    bool mouseSelecting_ = false;
    bool pressedInSelection_ = false;
    bool afterDoubleClick_ = false;
    std::optional<ActiveDrag> activeDrag_;
};

}  // namespace quelta
