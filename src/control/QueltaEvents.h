#pragma once
// The dispatch identifiers of the control's events, as the type library declares them.

#include <cstdint>

namespace quelta {

inline constexpr std::int32_t kEventChange = 1;
inline constexpr std::int32_t kEventOLECompleteDrag = 2;
inline constexpr std::int32_t kEventOLEDragDrop = 3;
inline constexpr std::int32_t kEventOLEDragOver = 4;
inline constexpr std::int32_t kEventOLEGiveFeedback = 5;
inline constexpr std::int32_t kEventOLESetData = 6;
inline constexpr std::int32_t kEventOLEStartDrag = 7;
inline constexpr std::int32_t kEventClick = -600;
inline constexpr std::int32_t kEventDblClick = -601;
inline constexpr std::int32_t kEventKeyDown = -602;
inline constexpr std::int32_t kEventKeyPress = -603;
inline constexpr std::int32_t kEventKeyUp = -604;
inline constexpr std::int32_t kEventMouseDown = -605;
inline constexpr std::int32_t kEventMouseMove = -606;
inline constexpr std::int32_t kEventMouseUp = -607;

}  // namespace quelta
