#pragma once
// Raising an event whose arguments travel by reference: each value goes to the host as a
// Variant and comes back as the host's handler left it. A value of the wrong type left
// there is the conversion's error (13 or 6), which ends the handler that raised the event.

#include <array>
#include <cstdint>

#include "control/Quelta.h"
#include "platform/window/DataObject.h"

namespace quelta {

inline Variant eventArgument(std::int16_t value) {
    return Variant(value);
}
inline Variant eventArgument(std::int32_t value) {
    return Variant(value);
}
inline Variant eventArgument(float value) {
    return Variant(value);
}
inline Variant eventArgument(const DataObjectRef& data) {
    return Variant(ObjectRef(data));
}

inline void takeBack(const Variant& value, std::int16_t& target) {
    target = value.toInteger();
}
inline void takeBack(const Variant& value, std::int32_t& target) {
    target = value.toLong();
}
inline void takeBack(const Variant& value, float& target) {
    target = value.toSingle();
}
// Nothing, or an object that is no data object, leaves no data object.
inline void takeBack(const Variant& value, DataObjectRef& target) {
    target = value.objectAs<DataObject>();
}

template <typename... Arguments>
void raiseByReference(Quelta& control, std::int32_t dispid, Arguments&... values) {
    std::array<Variant, sizeof...(Arguments)> arguments{eventArgument(values)...};
    control.raiseEvent(dispid, arguments);
    std::size_t next = 0;
    (takeBack(arguments[next++], values), ...);
}

}  // namespace quelta
