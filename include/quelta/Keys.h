#pragma once
// Key codes and modifier bits of the key input a host gives a field (Field::keyDown and
// keyUp). Letters and digits are their upper-case ASCII codes ('A', '7').

#include <cstdint>

namespace quelta {

namespace key {
inline constexpr std::int16_t Backspace = 0x08;
inline constexpr std::int16_t Tab = 0x09;
inline constexpr std::int16_t Enter = 0x0D;
inline constexpr std::int16_t Escape = 0x1B;
inline constexpr std::int16_t Space = 0x20;
inline constexpr std::int16_t PageUp = 0x21;
inline constexpr std::int16_t PageDown = 0x22;
inline constexpr std::int16_t End = 0x23;
inline constexpr std::int16_t Home = 0x24;
inline constexpr std::int16_t Left = 0x25;
inline constexpr std::int16_t Up = 0x26;
inline constexpr std::int16_t Right = 0x27;
inline constexpr std::int16_t Down = 0x28;
inline constexpr std::int16_t Insert = 0x2D;
inline constexpr std::int16_t Delete = 0x2E;
inline constexpr std::int16_t F1 = 0x70;
}  // namespace key

// Modifier bits of the shift argument of keys and mouse input.
namespace modifier {
inline constexpr std::int16_t Shift = 1;
inline constexpr std::int16_t Ctrl = 2;
inline constexpr std::int16_t Alt = 4;
}  // namespace modifier

// Mouse buttons, as bits.
namespace button {
inline constexpr std::int16_t Left = 1;
inline constexpr std::int16_t Right = 2;
inline constexpr std::int16_t Middle = 4;
}  // namespace button

}  // namespace quelta
