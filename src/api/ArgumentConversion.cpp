#include "api/ArgumentConversion.h"

#include <limits>

#include "platform/AutomationError.h"
#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"
#include "platform/window/DataObject.h"

namespace quelta {
namespace {

template <typename T>
Variant objectArgument(const Variant& value) {
    if (value.type() != VariantType::Object) raiseError(kErrTypeMismatch);
    ObjectRef object = value.toObject();
    if (!object) raiseError(kErrObjectRequired);
    if (!std::dynamic_pointer_cast<T>(object)) raiseError(kErrTypeMismatch);
    return Variant(std::move(object));
}

std::int32_t colorArgument(const Variant& value) {
    switch (value.type()) {
        case VariantType::Integer:
        case VariantType::Long:
        case VariantType::Boolean:
            return value.toLong();
        default:
            break;
    }
    double number = roundHalfEven(value.toDouble());
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::uint32_t>::max();
    if (!(number >= kLowest && number <= kHighest)) raiseError(kErrOverflow);
    if (number < 0) return static_cast<std::int32_t>(number);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

}  // namespace

Variant argumentAs(ValueType type, const Variant& value) {
    switch (type) {
        case ValueType::Boolean:
            return Variant::boolean(value.toBool());
        case ValueType::Integer:
            return Variant(value.toInteger());
        case ValueType::Long:
        case ValueType::Enumeration:
            return Variant(value.toLong());
        case ValueType::Single:
            return Variant(value.toSingle());
        case ValueType::String:
            return Variant(value.toString());
        case ValueType::Color:
            return Variant(colorArgument(value));
        case ValueType::Font:
            return objectArgument<Font>(value);
        case ValueType::Picture:
            return objectArgument<Picture>(value);
        case ValueType::DataObject:
            return objectArgument<DataObject>(value);
        case ValueType::None:
            break;
    }
    raiseError(kErrTypeMismatch);  // nothing can be passed as void
}

}  // namespace quelta
