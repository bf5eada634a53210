#pragma once
// The platform's Boolean: 16 bits, True = -1 and False = 0. Any non-zero value read from
// outside counts as True; the control itself only ever stores -1 or 0.

#include <cstdint>

namespace quelta {

using Boolean = std::int16_t;

inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

constexpr Boolean toBoolean(bool value) {
    return value ? kTrue : kFalse;
}
constexpr bool isTrue(Boolean value) {
    return value != kFalse;
}

}  // namespace quelta
