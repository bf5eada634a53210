#include "platform/editbox/EditBox.h"

#include <algorithm>
#include <cmath>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

bool isValidMousePointer(std::int16_t pointer) {
    return (pointer >= 0 && pointer <= 15) || pointer == 99;
}

}  // namespace

EditBox::EditBox(CreationKey, EditBoxCreation&& creation)
    : index_(creation.index), owner_(creation.owner), properties_(std::move(creation.properties)) {
    if (!properties_.font) properties_.font = std::make_shared<Font>();
    text_.setText(std::move(creation.text));
}

std::shared_ptr<EditBox> EditBox::create(EditBoxCreation creation) {
    WindowCreation window;
    window.className = u"EDIT";
    window.style = WS_CHILD | creation.style;
    if (creation.properties.visible) window.style |= WS_VISIBLE;
    if (!creation.properties.enabled) window.style |= WS_DISABLED;
    window.exStyle = creation.exStyle;
    window.parent = creation.parent;
    auto box = std::make_shared<EditBox>(CreationKey{}, std::move(creation));
    window.procedure = box.get();
    box->window_ = createWindow(window);
    if (box->window_ == 0) raiseError(kErrOutOfMemory);
    // The styles are what the window ended up with, not what was asked for.
    box->style_ = static_cast<std::uint32_t>(GetWindowLongA(box->window_, GWL_STYLE));
    box->exStyle_ = static_cast<std::uint32_t>(GetWindowLongA(box->window_, GWL_EXSTYLE));
    return box;
}

EditBox::~EditBox() {
    destroy();
}

// A box is its window's procedure, so the window system finds it; a box on its way out
// (no longer owned) is not found.
std::shared_ptr<EditBox> EditBox::fromWindow(WindowHandle window) {
    auto* box = dynamic_cast<EditBox*>(windowProcedure(window));
    return box ? box->weak_from_this().lock() : nullptr;
}

void EditBox::destroy() {
    if (window_ == 0) return;
    // The owner is tearing the box down; a LostFocus now would reach it half-way.
    destroying_ = true;
    destroyWindow(window_);
    window_ = 0;
    focused_ = false;
    destroying_ = false;
}

void EditBox::giveUpFocus() {
    if (window_ != 0 && GetFocus() == window_) SetFocus(0);
}

std::shared_ptr<EditBox> EditBox::keepAlive() {
    return weak_from_this().lock();
}

void EditBox::setText(StringView text) {
    auto self = keepAlive();
    applyEdit(text_.setText(String(text)), false);
}

void EditBox::setSelStart(std::int32_t start) {
    if (start < 0) raiseError(kErrInvalidPropertyValue);
    text_.select(start, start);
    goalX_.reset();
}

void EditBox::setSelLength(std::int32_t length) {
    if (length < 0) raiseError(kErrInvalidPropertyValue);
    const std::int32_t start = text_.selectionStart();
    text_.select(start, std::int64_t{start} + length);
    goalX_.reset();
}

void EditBox::setSelText(StringView text) {
    auto self = keepAlive();
    const String insertion = limitedInsertion(String(text));
    applyEdit(text_.replaceSelection(insertion, EditText::UndoKind::Edit), false);
}

void EditBox::setMaxLength(std::int32_t maxLength) {
    if (maxLength < 0) raiseError(kErrInvalidPropertyValue);
    properties_.maxLength = maxLength;
}

void EditBox::setEnabled(Boolean enabled) {
    properties_.enabled = isTrue(enabled);
    if (window_ != 0) EnableWindow(window_, properties_.enabled);
}

void EditBox::setVisible(Boolean visible) {
    properties_.visible = isTrue(visible);
    if (window_ == 0) return;
    auto style = static_cast<std::uint32_t>(GetWindowLongA(window_, GWL_STYLE));
    style = properties_.visible ? style | WS_VISIBLE : style & ~WS_VISIBLE;
    SetWindowLongA(window_, GWL_STYLE, static_cast<std::int32_t>(style));
}

void EditBox::setFont(FontRef font) {
    if (!font) raiseError(kErrInvalidPropertyValue);
    properties_.font = std::move(font);
}

void EditBox::setMousePointer(std::int16_t pointer) {
    if (!isValidMousePointer(pointer)) raiseError(kErrInvalidPropertyValue);
    properties_.mousePointer = pointer;
}

void EditBox::setOleDragMode(std::int16_t mode) {
    if (mode != 0 && mode != 1) raiseError(kErrInvalidPropertyValue);
    properties_.oleDragMode = mode;
}

void EditBox::setOleDropMode(std::int16_t mode) {
    if (mode < 0 || mode > 2) raiseError(kErrInvalidPropertyValue);
    properties_.oleDropMode = mode;
}

void EditBox::setPasswordChar(StringView passwordChar) {
    // One UTF-16 code unit at most, so that the masked text keeps the text's positions.
    if (passwordChar.size() > 1) raiseError(kErrInvalidPropertyValue);
    properties_.passwordChar = String(passwordChar);
}

void EditBox::move(double left, double top, double width, double height) {
    for (double value : {left, top, width, height})
        if (!std::isfinite(value)) raiseError(kErrInvalidPropertyValue);
    if (width < 0 || height < 0) raiseError(kErrInvalidPropertyValue);
    properties_.left = left;
    properties_.top = top;
    properties_.width = width;
    properties_.height = height;
}

String EditBox::displayText() const {
    if (!isMasked()) return text();
    String shown;
    shown.reserve(text().size() * properties_.passwordChar.size());
    for (std::size_t i = 0; i < text().size(); ++i)
        shown += properties_.passwordChar;
    return shown;
}

void EditBox::applyEdit(const EditChange& change, bool byUser) {
    goalX_.reset();
    if (layoutIsCurrent())
        measurement_->layout.update(text(), change, measurement_->characterWidth);
    else if (measurement_)
        measurement_->layoutValid = false;
    if (byUser) dataChanged_ = true;
    notify([&](EditBoxEvents& owner) { owner.change(index_); });
}

std::int32_t EditBox::windowProc(WindowHandle, std::uint32_t message, std::uint32_t wParam,
                                 std::int32_t) {
    const auto argument = static_cast<std::int32_t>(wParam);
    switch (message) {
        case WM_NCCREATE:
            return 1;
        case EM_GETLINECOUNT:
            return rowCount();
        case EM_LINEINDEX:
            return lineIndex(argument);
        case EM_LINELENGTH:
            return lineLength(argument);
        case EM_LINEFROMCHAR:
            return lineFromChar(argument);
        case WM_SETFOCUS:
            focused_ = true;
            notify([&](EditBoxEvents& owner) { owner.gotFocus(index_); });
            return 0;
        case WM_ENABLE:
            properties_.enabled = wParam != 0;
            return 0;
        case WM_NCDESTROY:
            // Destroyed from outside the box: it takes no more input.
            window_ = 0;
            focused_ = false;
            return 0;
        case WM_KILLFOCUS:
            focused_ = false;
            mouseSelecting_ = false;
            notify([&](EditBoxEvents& owner) { owner.lostFocus(index_); });
            return 0;
        default:
            return 0;
    }
}

std::int32_t EditBox::lineIndex(std::int32_t line) {
    if (line == -1) line = rowFromChar(text_.caret());
    if (line < 0 || line >= rowCount()) return -1;
    return rowLayout().rowStart(line);
}

std::int32_t EditBox::lineLength(std::int32_t index) {
    if (index == -1) {
        // The characters outside the selection on the rows the selection touches.
        const std::int32_t first = rowFromChar(selStart());
        const std::int32_t last = rowFromChar(text_.selectionEnd());
        return (selStart() - rowLayout().rowStart(first)) +
               std::max(0, rowLayout().rowEnd(text(), last) - text_.selectionEnd());
    }
    if (index < 0 || index > text_.size()) return 0;
    return rowLength(rowFromChar(index));
}

std::int32_t EditBox::lineFromChar(std::int32_t index) {
    if (index == -1) return rowFromChar(selStart());
    if (index < 0) return rowCount() - 1;  // a huge unsigned index
    return rowFromChar(index);
}

}  // namespace quelta
