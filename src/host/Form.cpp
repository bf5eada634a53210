#include "host/Form.h"

#include "platform/editbox/EditBox.h"
#include "platform/window/VirtualKeys.h"

namespace quelta {
namespace {

constexpr std::int16_t kCtrlOrAlt = kCtrlMask | kAltMask;

}  // namespace

Form::Form() {
    window_ = createWindow({u"QueltaForm", WS_VISIBLE, 0, 0, nullptr});
}

Form::~Form() {
    controls_.clear();  // controls and their sites before the window they live on
    destroyWindow(window_);
}

Quelta& Form::addControl(const String& name) {
    if (name.empty() || find(name)) raiseError(kErrInvalidProcedureCall);
    Placed placed;
    placed.name = name;
    placed.site = std::make_unique<FormSite>(
        window_, name, static_cast<std::int16_t>(controls_.size()), userMode_);
    placed.control = std::make_unique<Quelta>(*placed.site);
    placed.site->setEventListener([this, name](std::int32_t dispid, std::span<Variant> args) {
        if (listener_.event) listener_.event(name, dispid, args);
    });
    placed.site->setChangeListener([this, name](StringView property) {
        if (listener_.change) listener_.change(name, property);
    });
    startControl(*placed.control, nullptr);
    controls_.push_back(std::move(placed));
    return *controls_.back().control;
}

Quelta* Form::find(StringView name) {
    for (Placed& placed : controls_) {
        if (equalsIgnoringAsciiCase(placed.name, name)) return placed.control.get();
    }
    return nullptr;
}

void Form::focus(Quelta& control) {
    control.EnterFocus();
    if (!control.container().enabled()) return;
    if (EditBox* live = control.liveBox()) SetFocus(live->hWnd());
}

Form::Placed* Form::focusedControl() {
    WindowHandle focused = GetFocus();
    for (Placed& placed : controls_) {
        EditBox* live = placed.control->liveBox();
        if (live && live->hWnd() == focused) return &placed;
    }
    return nullptr;
}

void Form::moveFocus(int step) {
    if (controls_.empty()) return;
    const int count = static_cast<int>(controls_.size());
    Placed* current = focusedControl();
    int start = current ? static_cast<int>(current - controls_.data()) : (step > 0 ? -1 : 0);
    for (int tried = 1; tried <= count; ++tried) {
        Placed& next =
            controls_[static_cast<std::size_t>(((start + step * tried) % count + count) % count)];
        EditBox* live = next.control->liveBox();
        if (live && isTrue(live->visible()) && next.site->enabled()) {
            focus(*next.control);
            return;
        }
    }
}

void Form::deliverPendingKeys() {
    while (std::optional<KeyInput> input = takeKeyInput())
        deliver(*input);
}

void Form::deliver(const KeyInput& input) {
    bool isTab = input.keyCode == VK_TAB ||
                 (input.kind == KeyInput::Kind::Character && input.character == u'\t');
    if (isTab && (input.shift & kCtrlOrAlt) == 0) {
        // The form, not the edit box, owns Tab: it moves the focus on the key-down and
        // swallows the character and the key-up that belong to the same press.
        if (input.kind == KeyInput::Kind::KeyDown) {
            moveFocus((input.shift & kShiftMask) ? -1 : 1);
            swallowingTab_ = true;
            return;
        }
        if (swallowingTab_) {
            if (input.kind == KeyInput::Kind::KeyUp) swallowingTab_ = false;
            return;
        }
    }
    if (auto box = EditBox::fromWindow(GetFocus())) box->deliver(input);
}

}  // namespace quelta
