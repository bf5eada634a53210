#include "platform/runtime/Variant.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/region/Calendar.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

constexpr double kCurrencyScale = 10000.0;
constexpr double kCurrencyLimit = 922337203685477.5807;

template <typename Integer>
Integer toIntegerChecked(double value) {
    if (std::isnan(value)) raiseError(kErrOverflow);
    double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
        raiseError(kErrOverflow);
    }
    return static_cast<Integer>(rounded);
}

String integerToText(long long value) {
    std::string digits = std::to_string(value);
    return String(digits.begin(), digits.end());
}

}  // namespace

Variant AutomationObject::defaultValue() const {
    raiseError(kErrNotSupported);
}

double roundHalfEven(double value) {
    double floor = std::floor(value);
    double fraction = value - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

bool Variant::isNumeric() const {
    switch (type()) {
        case VariantType::Integer:
        case VariantType::Long:
        case VariantType::Single:
        case VariantType::Double:
        case VariantType::Currency:
        case VariantType::Boolean:
            return true;
        default:
            return false;
    }
}

double Variant::numericValue() const {
    return std::visit(
        [this](const auto& held) -> double {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<T, NullValue>) {
                raiseError(kErrInvalidUseOfNull);
            } else if constexpr (std::is_arithmetic_v<T>) {
                return static_cast<double>(held);
            } else if constexpr (std::is_same_v<T, Currency>) {
                return static_cast<double>(held.scaled) / kCurrencyScale;
            } else if constexpr (std::is_same_v<T, Date>) {
                return held.serial;
            } else if constexpr (std::is_same_v<T, BooleanValue>) {
                return held.value;
            } else if constexpr (std::is_same_v<T, String>) {
                return textToDouble(held);
            } else if constexpr (std::is_same_v<T, ObjectRef>) {
                if (!held) raiseError(kErrObjectRequired);
                return held->defaultValue().toDouble();
            } else {
                (void)this;
                raiseError(kErrTypeMismatch);
            }
        },
        value_);
}

Boolean Variant::toBoolean() const {
    if (auto text = std::get_if<String>(&value_)) return quelta::toBoolean(textToBoolean(*text));
    if (auto flag = std::get_if<BooleanValue>(&value_)) return flag->value;
    return quelta::toBoolean(numericValue() != 0);
}

std::int16_t Variant::toInteger() const {
    if (auto held = std::get_if<std::int16_t>(&value_)) return *held;
    return toIntegerChecked<std::int16_t>(numericValue());
}

std::int32_t Variant::toLong() const {
    if (auto held = std::get_if<std::int32_t>(&value_)) return *held;
    return toIntegerChecked<std::int32_t>(numericValue());
}

float Variant::toSingle() const {
    if (auto held = std::get_if<float>(&value_)) return *held;
    double value = numericValue();
    if (std::isnan(value) || std::fabs(value) > FLT_MAX) raiseError(kErrOverflow);
    return static_cast<float>(value);
}

double Variant::toDouble() const {
    return numericValue();
}

Currency Variant::toCurrency() const {
    if (auto held = std::get_if<Currency>(&value_)) return *held;
    double value = numericValue();
    if (std::isnan(value) || std::fabs(value) > kCurrencyLimit) raiseError(kErrOverflow);
    return Currency{static_cast<std::int64_t>(roundHalfEven(value * kCurrencyScale))};
}

Date Variant::toDate() const {
    if (auto held = std::get_if<Date>(&value_)) return *held;
    if (auto text = std::get_if<String>(&value_)) return Date{textToDate(*text)};
    double value = numericValue();
    if (std::isnan(value) || value < kMinDateSerial || value > kMaxDateSerial) {
        raiseError(kErrOverflow);
    }
    return Date{value};
}

String Variant::toString() const {
    return std::visit(
        [](const auto& held) -> String {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return String();
            } else if constexpr (std::is_same_v<T, NullValue>) {
                raiseError(kErrInvalidUseOfNull);
            } else if constexpr (std::is_same_v<T, std::int16_t> ||
                                 std::is_same_v<T, std::int32_t>) {
                return integerToText(held);
            } else if constexpr (std::is_same_v<T, float>) {
                return singleToText(held);
            } else if constexpr (std::is_same_v<T, double>) {
                return doubleToText(held);
            } else if constexpr (std::is_same_v<T, Currency>) {
                return currencyToText(held);
            } else if constexpr (std::is_same_v<T, Date>) {
                return dateToText(held.serial);
            } else if constexpr (std::is_same_v<T, String>) {
                return held;
            } else if constexpr (std::is_same_v<T, BooleanValue>) {
                return booleanToText(isTrue(held.value));
            } else if constexpr (std::is_same_v<T, ObjectRef>) {
                if (!held) raiseError(kErrObjectRequired);
                return held->defaultValue().toString();
            } else {
                raiseError(kErrTypeMismatch);
            }
        },
        value_);
}

ObjectRef Variant::toObject() const {
    if (auto held = std::get_if<ObjectRef>(&value_)) return *held;
    raiseError(kErrTypeMismatch);
}

std::int32_t Variant::errorNumber() const {
    if (auto held = std::get_if<ErrorValue>(&value_)) return held->number;
    raiseError(kErrTypeMismatch);
}

bool sameValue(const Variant& a, const Variant& b) {
    if (a.type() == b.type()) return a == b;
    if (a.isNumeric() && b.isNumeric()) return a.toDouble() == b.toDouble();
    return false;
}

}  // namespace quelta
