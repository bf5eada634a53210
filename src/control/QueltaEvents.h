#pragma once
// The dispatch identifiers of the control's events, as the type library declares them.

#include <cstdint>

namespace quelta {

inline constexpr std::int32_t kEventChange = 1;
inline constexpr std::int32_t kEventClick = -600;
inline constexpr std::int32_t kEventDblClick = -601;
inline constexpr std::int32_t kEventKeyDown = -602;
inline constexpr std::int32_t kEventKeyPress = -603;
inline constexpr std::int32_t kEventKeyUp = -604;

}  // namespace quelta
