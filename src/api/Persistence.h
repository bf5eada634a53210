#pragma once
// What a property row says about the property's value outside its accessors: its default,
// where a new control takes its first value from, and how a saved form keeps it. The bag key
// of a persisted property is its name.

#include <cstdint>
#include <string_view>

#include "platform/runtime/Variant.h"

namespace quelta {

struct QueltaState;
class EditBox;

// A property's value before anything sets it: what a new control starts with, what an
// empty bag gives, and what a saved form may leave out. A number is the value itself (a
// Boolean -1 or 0, a colour its 32 bits).
struct DefaultValue {
    enum class Kind : std::uint8_t { None, Number, Text, AmbientFont, NoPicture };
    Kind kind = Kind::None;
    std::int64_t number = 0;
    std::u16string_view text = {};
};

namespace defaults {
constexpr DefaultValue number(std::int64_t value) {
    return {.kind = DefaultValue::Kind::Number, .number = value};
}
constexpr DefaultValue flag(bool value) {
    return number(value ? -1 : 0);
}
constexpr DefaultValue text(std::u16string_view value) {
    return {.kind = DefaultValue::Kind::Text, .text = value};
}
// The host's ambient font at the time of the call.
constexpr DefaultValue ambientFont() {
    return {.kind = DefaultValue::Kind::AmbientFont};
}
constexpr DefaultValue noPicture() {
    return {.kind = DefaultValue::Kind::NoPicture};
}
}  // namespace defaults

// Where a new control (InitProperties) takes a value from other than its default.
struct NewControlValue {
    // The host extender's property of this name, converted to the property's type.
    std::string_view fromExtender = {};
    // The default is written through the public property, with every effect it has.
    bool throughAccessor = false;
};

// Moves a value between the bag's side and the place the control keeps it (a field of the
// state record or a property of the template edit box), without any check, report or
// rebuild. A loader gets the value already converted to the property's type.
using PersistedLoad = void (*)(QueltaState&, EditBox&, const Variant&);
using PersistedSave = Variant (*)(const QueltaState&, EditBox&);

struct PersistedPlace {
    PersistedLoad load = nullptr;
    PersistedSave save = nullptr;
};

// A property's places in the orders in which ReadProperties reads and WriteProperties
// writes the persisted set, counted from 1. A value that must be in place both before and
// after another is read twice (MaxLength, around Text).
struct Persistence {
    std::uint8_t readAt = 0;  // 0: no saved form holds the property
    std::uint8_t rereadAt = 0;
    std::uint8_t writeAt = 0;
    PersistedPlace place = {};

    constexpr bool saved() const { return readAt != 0; }
};

}  // namespace quelta
