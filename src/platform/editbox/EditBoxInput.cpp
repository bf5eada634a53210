// The edit box's keyboard and mouse input: notifications first, then the edit.

#include <unicode/uchar.h>

#include <algorithm>

#include "platform/editbox/EditBox.h"
#include "platform/editbox/TextBoundaries.h"
#include "platform/window/Clipboard.h"
#include "platform/window/KeyAscii.h"
#include "platform/window/KeyboardLayout.h"

namespace quelta {
namespace {

constexpr std::int16_t kLeftButton = 1;

// The case styles map each character to one character, as the platform's edit box does.
String convertCase(String text, std::uint32_t style) {
    if ((style & (ES_UPPERCASE | ES_LOWERCASE)) == 0) return text;
    for (char16_t& unit : text) {
        if (unit >= 0xD800 && unit <= 0xDFFF) continue;
        const UChar32 mapped = (style & ES_UPPERCASE) != 0 ? u_toupper(unit) : u_tolower(unit);
        if (mapped <= 0xFFFF) unit = static_cast<char16_t>(mapped);
    }
    return text;
}

// Cuts a text to a length without leaving half a surrogate pair or half a CR LF.
String truncated(String text, std::size_t length) {
    if (text.size() <= length) return text;
    text.resize(length);
    if (!text.empty() && (text.back() == u'\r' || (text.back() >= 0xD800 && text.back() <= 0xDBFF)))
        text.pop_back();
    return text;
}

}  // namespace

bool EditBox::acceptsInput() const {
    return window_ != 0 && properties_.enabled;
}

void EditBox::keyDown(std::int16_t keyCode, std::int16_t shift) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    notify([&](EditBoxEvents& owner) { owner.keyDown(index_, keyCode, shift); });
    if (keyCode == 0 || !isAlive()) return;
    execute(commandForKey(keyCode, shift, isMultiLine()), 0);
}

void EditBox::keyPress(char16_t character) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    std::int16_t keyAscii = keyAsciiOf(character);
    notify([&](EditBoxEvents& owner) { owner.keyPress(index_, keyAscii); });
    if (keyAscii == 0 || !isAlive()) return;
    const char16_t typed = characterOfKeyAscii(keyAscii);
    execute(commandForCharacter(typed, isMultiLine()), typed);
}

void EditBox::keyUp(std::int16_t keyCode, std::int16_t shift) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    notify([&](EditBoxEvents& owner) { owner.keyUp(index_, keyCode, shift); });
}

void EditBox::pressKey(std::int16_t keyCode, std::int16_t shift) {
    auto self = keepAlive();
    keyDown(keyCode, shift);
    if (auto produced = characterForKey(static_cast<std::uint16_t>(keyCode), shift))
        keyPress(*produced);
    keyUp(keyCode, shift);
}

void EditBox::typeCharacter(char16_t character) {
    auto self = keepAlive();
    // A character without a key of its own arrives as a packet, as from an input method.
    const auto key = keyForCharacter(character);
    const auto keyCode = static_cast<std::int16_t>(key ? key->keyCode : VK_PACKET);
    const std::int16_t shift = key ? key->shift : 0;
    keyDown(keyCode, shift);
    keyPress(character);
    keyUp(keyCode, shift);
}

void EditBox::typeText(StringView text) {
    auto self = keepAlive();
    for (std::size_t i = 0; i < text.size(); ++i) {
        typeCharacter(text[i]);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;  // one Enter
    }
}

void EditBox::deliver(const KeyInput& input) {
    switch (input.kind) {
        case KeyInput::Kind::KeyDown:
            return keyDown(static_cast<std::int16_t>(input.keyCode), input.shift);
        case KeyInput::Kind::Character:
            return keyPress(input.character);
        case KeyInput::Kind::KeyUp:
            return keyUp(static_cast<std::int16_t>(input.keyCode), input.shift);
    }
}

void EditBox::perform(EditCommand command) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    execute({command}, 0);
}

void EditBox::execute(EditAction action, char16_t character) {
    const std::int32_t start = selStart();
    const std::int32_t end = text_.selectionEnd();
    const std::int32_t caret = text_.caret();
    const bool selected = end > start;
    switch (action.command) {
        case EditCommand::None:
            return;
        case EditCommand::DeleteForward:
            return deleteAsUser(selected ? start : caret,
                                selected ? end : nextCaretStop(text(), caret));
        case EditCommand::DeleteWordForward:
            return deleteAsUser(selected ? start : caret,
                                selected ? end : nextWordStart(text(), caret));
        case EditCommand::DeleteBackward:
            return deleteAsUser(selected ? start : previousCaretStop(text(), caret),
                                selected ? end : caret);
        case EditCommand::DeleteWordBackward:
            return deleteAsUser(selected ? start : previousWordStart(text(), caret),
                                selected ? end : caret);
        case EditCommand::Copy:
            return copySelection();
        case EditCommand::Cut:
            return cutSelection();
        case EditCommand::Paste:
            return pasteClipboard();
        case EditCommand::Undo:
            return undoAsUser();
        case EditCommand::SelectAll:
            text_.select(0, text_.size());
            return;
        case EditCommand::InsertLineBreak:
            return insertAsUser(u"\r\n", EditText::UndoKind::Typing);
        case EditCommand::InsertCharacter:
            return insertAsUser(String(1, character), EditText::UndoKind::Typing);
        default:
            return executeMove(action);
    }
}

void EditBox::executeMove(EditAction action) {
    const EditCommand command = action.command;
    const bool vertical = command == EditCommand::MoveUp || command == EditCommand::MoveDown ||
                          command == EditCommand::MovePageUp ||
                          command == EditCommand::MovePageDown;
    if (!vertical) goalX_.reset();
    std::int32_t target = movedCaret(command);
    // Left and Right without Shift first collapse a selection to its side.
    if (!action.extendSelection && selLength() > 0) {
        if (command == EditCommand::MoveLeft) target = selStart();
        if (command == EditCommand::MoveRight) target = text_.selectionEnd();
    }
    text_.moveCaret(target, action.extendSelection);
}

std::int32_t EditBox::movedCaret(EditCommand command) {
    const std::int32_t caret = text_.caret();
    const auto pageRows = static_cast<std::int32_t>(std::max(1.0, height() / lineHeight()));
    switch (command) {
        case EditCommand::MoveLeft:
            return previousCaretStop(text(), caret);
        case EditCommand::MoveRight:
            return nextCaretStop(text(), caret);
        case EditCommand::MoveWordLeft:
            return previousWordStart(text(), caret);
        case EditCommand::MoveWordRight:
            return nextWordStart(text(), caret);
        case EditCommand::MoveUp:
            return verticalTarget(-1);
        case EditCommand::MoveDown:
            return verticalTarget(1);
        case EditCommand::MovePageUp:
            return verticalTarget(-pageRows);
        case EditCommand::MovePageDown:
            return verticalTarget(pageRows);
        case EditCommand::MoveRowStart:
            return rowStart(rowFromChar(caret));
        case EditCommand::MoveRowEnd:
            return rowCaretEnd(rowFromChar(caret));
        case EditCommand::MoveTextStart:
            return 0;
        case EditCommand::MoveTextEnd:
            return text_.size();
        default:
            return caret;
    }
}

// The position that many rows up or down at the column the caret had when vertical
// movement began, so that a short row passed on the way does not pull it left.
std::int32_t EditBox::verticalTarget(std::int32_t rows) {
    ensureLayout();
    const std::int32_t row = rowLayout().rowFromChar(text_.caret());
    if (!goalX_) goalX_ = positionOf(text_.caret()).x;
    const std::int32_t target = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{row} + rows, 0, rowLayout().rowCount() - 1));
    if (target == row) return text_.caret();
    return hitTest(*goalX_, (target + 0.5) * lineHeight());
}

String EditBox::limitedInsertion(String insertion) const {
    insertion = convertCase(std::move(insertion), style_);
    if (properties_.maxLength <= 0) return insertion;
    const std::int64_t room =
        std::int64_t{properties_.maxLength} - (text_.size() - text_.selectionLength());
    return truncated(std::move(insertion),
                     static_cast<std::size_t>(std::max<std::int64_t>(0, room)));
}

void EditBox::insertAsUser(String insertion, EditText::UndoKind kind) {
    if (properties_.locked) return;
    if (!isMultiLine()) {
        // A single-line box takes a pasted text up to its first line break.
        const auto lineEnd = insertion.find_first_of(u"\r\n");
        if (lineEnd != String::npos) insertion.resize(lineEnd);
    }
    String accepted = limitedInsertion(insertion);
    if (!isMultiLine() && (style_ & ES_AUTOHSCROLL) == 0) {
        // Without horizontal scrolling the text must stay within the box.
        const String before = text().substr(0, selStart());
        const String after = text().substr(text_.selectionEnd());
        while (!accepted.empty() && !fitsSingleLine(before + accepted + after))
            accepted = kind == EditText::UndoKind::Typing
                           ? String()
                           : truncated(accepted, accepted.size() - 1);
    }
    if (accepted.empty() && (!insertion.empty() || selLength() == 0)) return;
    applyEdit(text_.replaceSelection(accepted, kind), true);
}

void EditBox::deleteAsUser(std::int32_t from, std::int32_t to) {
    if (properties_.locked || from >= to) return;
    text_.select(from, to);
    applyEdit(text_.replaceSelection(String(), EditText::UndoKind::Edit), true);
}

void EditBox::copySelection() {
    if (isMasked() || selLength() == 0) return;
    setClipboardText(selText());
}

void EditBox::cutSelection() {
    if (isMasked() || properties_.locked || selLength() == 0) return;
    setClipboardText(selText());
    deleteAsUser(selStart(), text_.selectionEnd());
}

void EditBox::pasteClipboard() {
    if (properties_.locked || !clipboardHasText()) return;
    insertAsUser(clipboardText(), EditText::UndoKind::Edit);
}

void EditBox::undoAsUser() {
    if (properties_.locked || !text_.canUndo()) return;
    applyEdit(text_.undo(), true);
}

void EditBox::mouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    if ((button & kLeftButton) != 0 && !focused_) SetFocus(window_);
    std::int16_t b = button, s = shift;
    float reportedX = x, reportedY = y;
    notify([&](EditBoxEvents& owner) { owner.mouseDown(index_, b, s, reportedX, reportedY); });
    if (!isAlive() || (button & kLeftButton) == 0) return;
    const std::int32_t hit = hitTest(x, y);
    goalX_.reset();
    pressedInSelection_ = properties_.oleDragMode == 1 && selLength() > 0 && hit >= selStart() &&
                          hit < text_.selectionEnd();
    if (pressedInSelection_) return;  // may become an automatic drag
    text_.moveCaret(hit, (shift & kShiftMask) != 0);
    mouseSelecting_ = true;
}

void EditBox::mouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    std::int16_t b = button, s = shift;
    float reportedX = x, reportedY = y;
    notify([&](EditBoxEvents& owner) { owner.mouseMove(index_, b, s, reportedX, reportedY); });
    if (!isAlive() || (button & kLeftButton) == 0) return;
    if (pressedInSelection_) {
        pressedInSelection_ = false;
        oleDrag();
    } else if (mouseSelecting_) {
        text_.moveCaret(hitTest(x, y), true);
    }
}

void EditBox::mouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    std::int16_t b = button, s = shift;
    float reportedX = x, reportedY = y;
    notify([&](EditBoxEvents& owner) { owner.mouseUp(index_, b, s, reportedX, reportedY); });
    if (!isAlive() || (button & kLeftButton) == 0) return;
    if (pressedInSelection_) text_.moveCaret(hitTest(x, y), false);
    pressedInSelection_ = false;
    mouseSelecting_ = false;
    // The release that ends a double click is no click of its own.
    if (afterDoubleClick_) {
        afterDoubleClick_ = false;
        return;
    }
    notify([&](EditBoxEvents& owner) { owner.click(index_); });
}

void EditBox::mouseDoubleClick(std::int16_t button, std::int16_t, float x, float y) {
    if (!acceptsInput()) return;
    auto self = keepAlive();
    if ((button & kLeftButton) != 0) {
        const TextRange word =
            isMasked() ? TextRange{0, text_.size()} : wordAt(text(), hitTest(x, y));
        text_.select(word.start, word.end);
        afterDoubleClick_ = true;
    }
    notify([&](EditBoxEvents& owner) { owner.dblClick(index_); });
}

void EditBox::click(float x, float y, std::int16_t shift) {
    auto self = keepAlive();
    mouseDown(kLeftButton, shift, x, y);
    mouseUp(kLeftButton, shift, x, y);
}

void EditBox::doubleClick(float x, float y) {
    auto self = keepAlive();
    click(x, y);
    mouseDoubleClick(kLeftButton, 0, x, y);
    mouseUp(kLeftButton, 0, x, y);
}

}  // namespace quelta
