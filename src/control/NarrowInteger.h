#pragma once
// Stores a 32-bit value in a 16-bit field, as the platform's conversion does: a value
// outside the field's range is an overflow (error 6), never a silent truncation.

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

}  // namespace quelta
