#pragma once
// The platform's colours. A 32-bit colour is a red-green-blue value 0x00BBGGRR (red in the
// low byte), or, with the top bit set, the index of a system colour in its low byte
// (0x80000005 the window background, 0x80000008 the window text, 0x8000000F the button
// face). A top byte of 2 marks a red-green-blue value matched in a palette, the same colour
// where there is none. The system colours follow the platform's classic scheme.

#include <cstdint>
#include <optional>

namespace quelta {

inline constexpr std::uint32_t kSystemWindowBackground = 0x80000005;
inline constexpr std::uint32_t kSystemWindowText = 0x80000008;

// The red-green-blue value (0x00BBGGRR) a colour stands for; nothing for a system colour
// index the platform does not have or a colour of another kind (a palette index).
std::optional<std::uint32_t> rgbOfColour(std::uint32_t colour);

}  // namespace quelta
