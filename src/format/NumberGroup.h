#pragma once
// The small scanner that the date logic reads regional dates and typed entries with.

#include <cstdint>

#include "platform/String.h"

namespace quelta {

// The value of the k-th run of decimal digits ("0" to "9" only) in text, counting from 1;
// 0 when the text holds fewer than k runs or k is 0 or below. Leading zeros do not count
// ("05" gives 5). A run too large for 32 bits raises error 6.
std::int32_t GetNumberGroup(StringView text, std::int16_t k);

}  // namespace quelta
