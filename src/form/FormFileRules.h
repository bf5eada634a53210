#pragma once
// What a form file holds (FormFile.h), as its reader and its writer both hold to it: a file
// that saves must load.

#include <optional>
#include <string_view>

#include "platform/container/PropertyBag.h"

namespace quelta {

inline constexpr std::string_view kFormFileFormat = "quelta-form";
// Version 2 added the region; version 1 files are read in the current region.
inline constexpr int kFormFileVersion = 2;
inline constexpr int kFirstFormFileVersion = 1;

// A control's extender values that a form file may not hold: the key and why.
struct ExtenderFault {
    std::u16string_view key;
    const char* reason;
};
std::optional<ExtenderFault> extenderFault(const PropertyBag& extender);

}  // namespace quelta
