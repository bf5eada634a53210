#pragma once
// The window styles the live edit box is created with. The template box is created
// single-line, left-aligned, without border, scroll bars or case conversion and hiding its
// selection, so these bits alone decide the live box's styles.

#include <cstdint>

#include "control/QueltaState.h"
#include "platform/Boolean.h"
#include "platform/window/WindowSystem.h"

namespace quelta {

// Bits always removed before the set bits are added.
inline constexpr std::uint32_t kHookStyleClear = ES_AUTOHSCROLL;
inline constexpr std::uint32_t kHookExStyleClear = WS_EX_NOPARENTNOTIFY;

struct StylePatch {
    std::uint32_t styleSet = 0;
    std::uint32_t exStyleSet = 0;
    friend bool operator==(const StylePatch&, const StylePatch&) = default;
};

// The bits the state's style properties add. A border counts unless BorderStyle is
// qltaBorderNone, a 3-D look only for qltaAppearance3D; scroll bars, alignment and letter
// case contribute only for their exact values, so an out-of-range stored value adds nothing.
StylePatch computeStylePatch(const QueltaState& state, Boolean oldWindows);

}  // namespace quelta
