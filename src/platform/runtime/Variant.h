#pragma once
// The platform's Variant: one value of any automation type. Conversions follow the
// automation rules: integers round half to even, a value out of range raises error 6
// (overflow), an unconvertible value error 13 (type mismatch), Null error 94. Text converts
// to numbers, Booleans and dates by the thread's regional settings (Conversions.h).

#include <cstdint>
#include <memory>
#include <variant>

#include "platform/AutomationError.h"
#include "platform/Boolean.h"
#include "platform/String.h"

namespace quelta {

enum class VariantType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,  // 16-bit signed
    Long = 3,     // 32-bit signed
    Single = 4,   // 32-bit float
    Double = 5,
    Currency = 6,  // 64-bit fixed point, four decimals
    Date = 7,      // days since 30 December 1899; the fraction is the time of day
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
};

// A fixed-point amount: the value times 10 000.
struct Currency {
    std::int64_t scaled = 0;
    friend bool operator==(Currency, Currency) = default;
};

// A point in time as the platform keeps it: days since 30 December 1899. For dates before
// that day the integer part counts backwards while the fraction still runs forwards, so
// -1.25 is 29 December 1899, 06:00.
struct Date {
    double serial = 0;
    friend bool operator==(Date, Date) = default;
};

class Variant;

// Base of every object a Variant can hold (fonts, pictures, data objects, dispatch
// objects). An object that has a default member converts to other types through it.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // The value of the object's default member; error 438 when it has none.
    virtual Variant defaultValue() const;
};

using ObjectRef = std::shared_ptr<AutomationObject>;

class Variant {
public:
    Variant() = default;  // Empty
    Variant(std::int16_t value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(float value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(Currency value) : value_(value) {}
    Variant(Date value) : value_(value) {}
    Variant(String value) : value_(std::move(value)) {}
    Variant(StringView value) : value_(String(value)) {}
    Variant(const char16_t* value) : value_(String(value)) {}
    Variant(ObjectRef value) : value_(std::move(value)) {}

    static Variant null() { return Variant(NullValue{}); }
    static Variant boolean(bool value) { return Variant(BooleanValue{quelta::toBoolean(value)}); }
    static Variant error(std::int32_t number) { return Variant(ErrorValue{number}); }
    // Nothing: an Object variant that refers to no object.
    static Variant nothing() { return Variant(ObjectRef()); }

    VariantType type() const { return static_cast<VariantType>(kTypes[value_.index()]); }
    bool isEmpty() const { return type() == VariantType::Empty; }
    bool isNull() const { return type() == VariantType::Null; }
    bool isNumeric() const;  // Integer, Long, Single, Double, Currency or Boolean

    // Conversions by the automation rules; each raises the platform's error on failure.
    Boolean toBoolean() const;
    bool toBool() const { return isTrue(toBoolean()); }
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    Currency toCurrency() const;
    Date toDate() const;
    String toString() const;
    ObjectRef toObject() const;        // error 13 for a value that is not an object
    std::int32_t errorNumber() const;  // the number of an Error variant; error 13 otherwise

    // The held object as T, or null when it holds another kind of object or Nothing.
    template <typename T>
    std::shared_ptr<T> objectAs() const {
        if (auto object = std::get_if<ObjectRef>(&value_)) {
            return std::dynamic_pointer_cast<T>(*object);
        }
        return nullptr;
    }

    // Strict equality: same type and same value (objects by identity).
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    struct NullValue {
        friend bool operator==(NullValue, NullValue) = default;
    };
    struct BooleanValue {
        Boolean value;
        friend bool operator==(BooleanValue, BooleanValue) = default;
    };
    struct ErrorValue {
        std::int32_t number;
        friend bool operator==(ErrorValue, ErrorValue) = default;
    };
    using Storage =
        std::variant<std::monostate, NullValue, std::int16_t, std::int32_t, float, double, Currency,
                     Date, String, ObjectRef, ErrorValue, BooleanValue>;
    static constexpr std::uint16_t kTypes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

    explicit Variant(NullValue value) : value_(value) {}
    explicit Variant(BooleanValue value) : value_(value) {}
    explicit Variant(ErrorValue value) : value_(value) {}

    double numericValue() const;  // for the numeric types, Date and Boolean

    Storage value_;
};

// Whether two values are the same for a reader that converts: numbers compare by value
// across numeric types, text exactly, objects by identity, Empty only with Empty.
bool sameValue(const Variant& a, const Variant& b);

// Rounds half to even, as every automation conversion to an integer type does.
double roundHalfEven(double value);

}  // namespace quelta
