#pragma once
// What a public Field handle refers to: the control, the form it sits on, the host's
// handlers, and the conversions between the public types and the control's own. The typed
// members (FieldMembers.cpp, generated from the member table) call the control through it.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "api/front/FieldEventHandlers.h"
#include "control/Quelta.h"
#include "platform/AutomationError.h"
#include "quelta/Error.h"
#include "quelta/FieldMembers.h"
#include "quelta/FontSpec.h"

namespace quelta {
class Form;
}

namespace quelta::detail {

struct FieldCore {
    Quelta* control = nullptr;  // null once the form has dropped the control
    Form* form = nullptr;       // the form it sits on
    std::string name;
    FieldEventHandlers handlers;
    std::function<void(std::string_view)> propertyChanged;
    // Its form of one, for a field of its own; last, so that it goes first, while the
    // handlers its controls may still call exist.
    std::shared_ptr<Form> ownForm;

    static const std::shared_ptr<FieldCore>& of(const FieldMembers& field) { return field.core_; }
};

[[noreturn]] void raiseDroppedField(const FieldCore& core);

// The control of a live field; Error 424 for one its form has dropped. Inline, as every
// typed member goes through it: a property read stays a call and two loads away from the
// control's own accessor.
inline Quelta& controlOf(const FieldCore& core) {
    if (core.control == nullptr) [[unlikely]]
        raiseDroppedField(core);
    return *core.control;
}

// Runs a call of the control, raising its automation errors as the public Error.
template <typename Call>
auto guarded(Call&& call) -> decltype(call()) {
    try {
        return call();
    } catch (const AutomationError& error) {
        throw Error(error.number());
    }
}

std::string utf8(StringView text);
String utf16(std::string_view text);
inline Boolean boolean(bool value) {
    return toBoolean(value);
}
FontSpec fontSpecOf(const ObjectRef& font);
ObjectRef fontOf(const FontSpec& spec);
std::string pictureSourceOf(const ObjectRef& picture);
ObjectRef pictureOf(std::string_view path);

// An event argument in its public type, and back.
template <typename T>
T eventValue(const Variant& argument) {
    if constexpr (std::is_same_v<T, bool>) {
        return argument.toBool();
    } else if constexpr (std::is_same_v<T, std::int16_t>) {
        return argument.toInteger();
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return argument.toLong();
    } else {
        static_assert(std::is_same_v<T, float>, "an event argument the front cannot carry");
        return argument.toSingle();
    }
}

template <typename T>
Variant eventVariant(T value) {
    if constexpr (std::is_same_v<T, bool>) {
        return Variant::boolean(value);
    } else {
        return Variant(value);
    }
}

}  // namespace quelta::detail
