#pragma once
// Binds a row of the member table to the control's accessors and to the place a saved form's
// value goes. A binding only moves a value between a Variant and the accessor's own C++
// type; the conversion by the automation rules happens before, from the member's declared
// type (ArgumentConversion.h, PersistedValue.h), so a binding cannot disagree with its row
// about what the member takes.

#include <cstdint>
#include <span>
#include <type_traits>

#include "api/Persistence.h"
#include "api/ValueType.h"
#include "control/Quelta.h"
#include "control/QueltaState.h"
#include "platform/editbox/EditBox.h"
#include "platform/fonts/Font.h"
#include "platform/runtime/Variant.h"

namespace quelta::binding {

template <typename Accessor>
struct ParameterOf;
template <typename Result, typename Class, typename Parameter>
struct ParameterOf<Result (Class::*)(Parameter)> {
    using type = std::remove_cvref_t<Parameter>;
};

template <auto member>
using FieldOf = std::remove_cvref_t<decltype(std::declval<QueltaState&>().*member)>;

// The value of a Variant that already holds the member's declared type, in the accessor's
// parameter type (text as a String that outlives the call). Boolean and Integer share 16
// bits; an OLE colour travels as a Long, bit for bit.
template <typename T>
auto unwrap(const Variant& value) {
    if constexpr (std::is_same_v<T, std::int16_t>) {
        return value.toInteger();
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return value.toLong();
    } else if constexpr (std::is_same_v<T, std::uint32_t>) {
        return static_cast<std::uint32_t>(value.toLong());
    } else if constexpr (std::is_same_v<T, float>) {
        return value.toSingle();
    } else if constexpr (std::is_same_v<T, ObjectRef>) {
        return value.toObject();
    } else if constexpr (std::is_same_v<T, FontRef>) {
        return value.objectAs<quelta::Font>();
    } else {
        static_assert(std::is_same_v<T, StringView> || std::is_same_v<T, String>,
                      "an accessor type dispatch cannot carry");
        return value.toString();
    }
}

template <typename T>
Variant wrap(const T& value) {
    if constexpr (std::is_same_v<T, std::uint32_t>) {
        return Variant(static_cast<std::int32_t>(value));
    } else if constexpr (std::is_same_v<T, FontRef>) {
        return Variant(ObjectRef(value));
    } else {
        return Variant(value);
    }
}

// A reader gives the member's declared type: where the accessor's C++ type does not say it
// (a 16-bit Boolean, an enumeration kept in 16 bits), the row names it.
template <auto accessor, ValueType declared = ValueType::None>
Variant reads(Quelta& control, std::span<const Variant>) {
    const auto value = (control.*accessor)();
    if constexpr (declared == ValueType::Boolean) {
        return Variant::boolean(isTrue(value));
    } else if constexpr (declared == ValueType::Enumeration) {
        return Variant(static_cast<std::int32_t>(value));
    } else {
        return wrap(value);
    }
}

// A get accessor with one argument (RowLength's Line).
template <auto accessor>
Variant readsAt(Quelta& control, std::span<const Variant> arguments) {
    using Parameter = typename ParameterOf<decltype(accessor)>::type;
    return wrap((control.*accessor)(unwrap<Parameter>(arguments[0])));
}

template <auto accessor>
void writes(Quelta& control, const Variant& value) {
    using Parameter = typename ParameterOf<decltype(accessor)>::type;
    (control.*accessor)(unwrap<Parameter>(value));
}

template <auto method>
void calls(Quelta& control) {
    (control.*method)();
}

// A persisted value kept in a field of the state record.
template <auto field>
void loadsField(QueltaState& state, EditBox&, const Variant& value) {
    state.*field = unwrap<FieldOf<field>>(value);
}
template <auto field>
Variant savesField(const QueltaState& state, EditBox&) {
    return wrap(state.*field);
}
template <auto field>
inline constexpr PersistedPlace inState = {loadsField<field>, savesField<field>};

// A persisted value kept in a property of the template edit box.
template <auto setter>
void loadsBoxProperty(QueltaState&, EditBox& box, const Variant& value) {
    (box.*setter)(unwrap<typename ParameterOf<decltype(setter)>::type>(value));
}
template <auto getter>
Variant savesBoxProperty(const QueltaState&, EditBox& box) {
    return wrap((box.*getter)());
}
template <auto getter, auto setter>
inline constexpr PersistedPlace inTemplate = {loadsBoxProperty<setter>, savesBoxProperty<getter>};

}  // namespace quelta::binding
