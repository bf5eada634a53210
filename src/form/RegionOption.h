#pragma once
// The rule every program of Quelta keeps for its --region option: a name the platform has
// no regional settings for is refused, not quietly replaced by en-US, and the program ends
// with the status of a mistaken command line.

#include <string>
#include <string_view>

namespace quelta {

// The exit status of a program given a command line it cannot follow.
inline constexpr int kCommandLineMistake = 2;

// Why the region is refused ("unknown region 'german'"), or empty for a region the platform
// knows.
std::string regionRefusal(std::string_view region);

}  // namespace quelta
