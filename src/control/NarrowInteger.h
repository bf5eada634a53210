#pragma once
// Stores a value in a narrower field, as the platform's conversion does: a value outside
// the field's range is an overflow (error 6), never a silent truncation.

#include <cstdint>
#include <limits>

#include "platform/AutomationError.h"

namespace quelta {

inline std::int16_t narrowToInteger(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        raiseError(kErrOverflow);
    }
    return static_cast<std::int16_t>(value);
}

// The result of 32-bit arithmetic done in 64 bits, with the same overflow rule.
inline std::int32_t narrowToLong(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        raiseError(kErrOverflow);
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace quelta
