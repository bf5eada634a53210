#pragma once
// The runtime library's functions as a script calls them by name: Format, CStr, CDbl,
// CDate, CBool, CInt, CLng, Val, IsDate, IsNumeric, DateSerial, TimeSerial, Now, Date.

#include <optional>
#include <span>
#include <string_view>

#include "platform/runtime/Variant.h"

namespace quelta::script {

// Calls the named function (case-insensitive) with the arguments. Returns nullopt when no
// function has that name; raises the function's automation error when it fails (error 450
// for a wrong number of arguments).
std::optional<Variant> callRuntimeFunction(std::string_view name,
                                           std::span<const Variant> arguments);

}  // namespace quelta::script
