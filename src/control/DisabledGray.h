#pragma once
// The grey background rule: at run time, a control that asks for it (DisabledGray) shows
// the system button face while it cannot be edited, that is while it is disabled or locked.

#include <cstdint>

#include "platform/Boolean.h"

namespace quelta {

inline constexpr std::uint32_t kSystemButtonFace = 0x8000000F;

constexpr bool showsDisabledGray(bool userMode, Boolean disabledGray, Boolean enabled,
                                 Boolean locked) {
    return userMode && isTrue(disabledGray) && (!isTrue(enabled) || isTrue(locked));
}

}  // namespace quelta
