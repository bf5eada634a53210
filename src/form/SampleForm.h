#pragma once
// The sample order-entry form that `quelta run` opens without a form file. It is a form
// file compiled into the program, so it loads, and is refused, exactly as a file would be.
// Its numbers, dates and times show in the regional settings of the thread that loads it.

#include <string_view>

namespace quelta::terminal {

extern const std::string_view kSampleFormText;
// The name the sample form goes by in messages.
inline constexpr std::string_view kSampleFormName = "(sample form)";

}  // namespace quelta::terminal
