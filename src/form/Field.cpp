// The public field's own members: its form of one, its size, focus and input. Its typed
// properties and events are generated from the member table (api/front/FieldMembers.cpp);
// its drawing is in view/FieldDrawing.cpp.
#include "quelta/Field.h"

#include <vector>

#include "form/FieldFront.h"
#include "platform/editbox/EditBox.h"
#include "platform/window/SendKeys.h"
#include "platform/window/WindowSystem.h"

namespace quelta {
namespace detail {

Form::Listener fieldListener(std::function<FieldCore*(StringView name)> fieldNamed) {
    return {[fieldNamed](const String& name, std::int32_t dispid, std::span<Variant> arguments) {
                if (FieldCore* core = fieldNamed(name))
                    raiseFieldEvent(core->handlers, dispid, arguments);
            },
            [fieldNamed](const String& name, StringView property) {
                FieldCore* core = fieldNamed(name);
                if (core && core->propertyChanged) core->propertyChanged(toUtf8(property));
            }};
}

void deliverKeys(Form& form, const std::vector<KeyInput>& keys) {
    guarded([&] {
        for (const KeyInput& input : keys) {
            postKeyInput(input);
            form.deliverPendingKeys();
        }
    });
}

Quelta& addEmptyControl(Form& form, const String& name) {
    return guarded([&]() -> Quelta& {
        Quelta& control = form.addControl(name);
        control.letText(u"");
        return control;
    });
}

std::shared_ptr<FieldCore> coreFor(Form& form, Quelta& control, StringView name) {
    auto core = std::make_shared<FieldCore>();
    core->control = &control;
    core->form = &form;
    core->name = toUtf8(name);
    return core;
}

}  // namespace detail

namespace {

// The sendKeys text that types `text` as it stands: the syntax's own characters braced.
String keysTyping(std::string_view text) {
    String keys;
    for (char16_t c : fromUtf8(text)) {
        const bool special = String(u"+^%~(){}[]").find(c) != String::npos;
        if (special) keys += u'{';
        keys += c;
        if (special) keys += u'}';
    }
    return keys;
}

Form& formOf(const detail::FieldCore& core) {
    detail::controlOf(core);  // Error 424 for a field its form dropped
    return *core.form;
}

EditBox& liveBoxOf(const detail::FieldCore& core) {
    EditBox* live = detail::controlOf(core).liveBox();
    if (live == nullptr) throw Error(kErrObjectRequired, "the field has no edit box");
    return *live;
}

void takeFocus(Field& field) {
    if (!field.hasFocus()) field.focus();
}

// Keys go where the keyboard's go: to the field with the focus, which this one takes first.
void typeInto(Field& field, const detail::FieldCore& core, const std::vector<KeyInput>& keys) {
    takeFocus(field);
    if (!field.hasFocus()) return;  // a disabled field takes no keys, nor passes them on
    detail::deliverKeys(formOf(core), keys);
}

}  // namespace

Field::Field(std::string_view name) : FieldMembers(nullptr) {
    auto form = std::make_shared<Form>();
    Quelta& control = detail::addEmptyControl(*form, fromUtf8(name));
    core_ = detail::coreFor(*form, control, fromUtf8(name));
    detail::FieldCore* core = core_.get();
    form->setListener(detail::fieldListener([core](StringView) { return core; }));
    core_->ownForm = std::move(form);
}

Field::Field(std::shared_ptr<detail::FieldCore> core) : FieldMembers(std::move(core)) {}

std::string Field::name() const {
    return core_->name;
}

bool Field::valid() const {
    return core_->control != nullptr;
}

void Field::onPropertyChanged(std::function<void(std::string_view property)> handler) {
    core_->propertyChanged = std::move(handler);
}

void Field::resize(float width, float height) {
    detail::guarded([&] {
        FormSite* site = formOf(*core_).siteOf(fromUtf8(core_->name));
        site->setSize(width, height);
    });
}

float Field::width() const {
    return formOf(*core_).siteOf(fromUtf8(core_->name))->width();
}

float Field::height() const {
    return formOf(*core_).siteOf(fromUtf8(core_->name))->height();
}

void Field::focus() {
    detail::guarded([&] { formOf(*core_).focus(detail::controlOf(*core_)); });
}

bool Field::hasFocus() const {
    EditBox* live = detail::controlOf(*core_).liveBox();
    return live != nullptr && live->hWnd() == GetFocus();
}

void Field::keyDown(std::int16_t keyCode, std::int16_t shift) {
    typeInto(*this, *core_,
             {{KeyInput::Kind::KeyDown, static_cast<std::uint16_t>(keyCode), 0, shift}});
}

void Field::character(char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        throw Error(kErrInvalidProcedureCall, "not a Unicode character");
    }
    std::vector<KeyInput> keys;
    for (char16_t unit : codePointText(codePoint))
        keys.push_back({KeyInput::Kind::Character, 0, unit, 0});
    typeInto(*this, *core_, keys);
}

void Field::keyUp(std::int16_t keyCode, std::int16_t shift) {
    typeInto(*this, *core_,
             {{KeyInput::Kind::KeyUp, static_cast<std::uint16_t>(keyCode), 0, shift}});
}

void Field::typeText(std::string_view text) {
    typeInto(*this, *core_, detail::guarded([&] { return parseKeys(keysTyping(text)); }));
}

void Field::sendKeys(std::string_view keys) {
    // Parsed before the focus moves, so that a malformed text changes nothing.
    typeInto(*this, *core_, detail::guarded([&] { return parseKeys(fromUtf8(keys)); }));
}

void Field::mouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    takeFocus(*this);
    detail::guarded([&] { liveBoxOf(*core_).mouseDown(button, shift, x, y); });
}

void Field::mouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    detail::guarded([&] { liveBoxOf(*core_).mouseMove(button, shift, x, y); });
}

void Field::mouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    detail::guarded([&] { liveBoxOf(*core_).mouseUp(button, shift, x, y); });
}

void Field::doubleClick(float x, float y) {
    takeFocus(*this);
    detail::guarded([&] { liveBoxOf(*core_).doubleClick(x, y); });
}

}  // namespace quelta
