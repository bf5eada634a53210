#pragma once
// The automation type of a property, a parameter or a result, as the type library declares
// it. Dispatch converts arguments and results by it.

namespace quelta {

enum class ValueType {
    None,
    Boolean,
    Integer,
    Long,
    Single,
    String,
    Color,  // OLE_COLOR, 32 bits
    Font,
    Picture,
    DataObject,
    Enumeration,  // 32-bit signed value of the named enumeration
};

}  // namespace quelta
