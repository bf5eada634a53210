#include "api/ArgumentConversion.h"

#include <cmath>
#include <limits>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

template <typename T>
std::shared_ptr<T> objectArgument(const Variant& value) {
    if (value.type() != VariantType::Object) raiseError(kErrTypeMismatch);
    ObjectRef object = value.toObject();
    if (!object) raiseError(kErrObjectRequired);
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed) raiseError(kErrTypeMismatch);
    return typed;
}

}  // namespace

Boolean booleanArgument(const Variant& value) {
    return toBoolean(value.toBool());
}

std::int16_t integerArgument(const Variant& value) {
    return value.toInteger();
}

std::int32_t longArgument(const Variant& value) {
    return value.toLong();
}

float singleArgument(const Variant& value) {
    return value.toSingle();
}

String stringArgument(const Variant& value) {
    return value.toString();
}

std::uint32_t colorArgument(const Variant& value) {
    switch (value.type()) {
        case VariantType::Integer:
        case VariantType::Long:
        case VariantType::Boolean:
            return static_cast<std::uint32_t>(value.toLong());
        default:
            break;
    }
    double number = roundHalfEven(value.toDouble());
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::uint32_t>::max();
    if (!(number >= kLowest && number <= kHighest)) raiseError(kErrOverflow);
    if (number < 0) return static_cast<std::uint32_t>(static_cast<std::int32_t>(number));
    return static_cast<std::uint32_t>(number);
}

Variant colorResult(std::uint32_t color) {
    return Variant(static_cast<std::int32_t>(color));
}

std::int32_t enumerationArgument(const Variant& value) {
    return value.toLong();
}

FontRef fontArgument(const Variant& value) {
    return objectArgument<Font>(value);
}

PictureRef pictureArgument(const Variant& value) {
    return objectArgument<Picture>(value);
}

}  // namespace quelta
