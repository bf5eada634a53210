#include "platform/runtime/Negation.h"

#include <cstdint>

namespace quelta {

Variant negated(const Variant& value) {
    switch (value.type()) {
        case VariantType::Null:
            return value;
        case VariantType::Empty:
            return Variant(std::int16_t{0});
        case VariantType::Integer:
            return value.toInteger() == -32768
                       ? Variant(std::int32_t{32768})
                       : Variant(static_cast<std::int16_t>(-value.toInteger()));
        case VariantType::Long:
            if (value.toLong() == INT32_MIN) return Variant(2147483648.0);
            return Variant(-value.toLong());
        case VariantType::Boolean:
            return Variant(static_cast<std::int16_t>(-value.toInteger()));
        case VariantType::Single:
            return Variant(-value.toSingle());
        case VariantType::Currency:
            return Variant(Currency{-value.toCurrency().scaled});
        case VariantType::Date:
            return Variant(Date{-value.toDate().serial});
        default:
            return Variant(-value.toDouble());
    }
}

}  // namespace quelta
