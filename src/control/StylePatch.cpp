#include "control/StylePatch.h"

#include "control/Enumerations.h"

namespace quelta {
namespace {

StylePatch borderPatch(const QueltaState& state, Boolean oldWindows) {
    if (state.BorderStyle == qltaBorderNone) return {};
    if (state.Appearance != qltaAppearance3D) return {WS_BORDER, 0};
    // Old platforms have no client edge; a frame label draws the border there.
    if (isTrue(oldWindows)) return {};
    return {0, WS_EX_CLIENTEDGE};
}

std::uint32_t multiLineBits(const QueltaState& state) {
    if (!isTrue(state.MultiLine)) return 0;
    switch (state.ScrollBars) {
        case qltaScrollBarsHorizontal:
            return ES_MULTILINE | WS_HSCROLL;
        case qltaScrollBarsVertical:
            return ES_MULTILINE | WS_VSCROLL;
        case qltaScrollBarsBoth:
            return ES_MULTILINE | WS_HSCROLL | WS_VSCROLL;
        default:
            return ES_MULTILINE;
    }
}

// Right and centre alignment exist only for multi-line edit boxes.
std::uint32_t alignmentBits(std::int16_t alignment) {
    switch (alignment) {
        case qltaRightJustify:
            return ES_RIGHT | ES_MULTILINE;
        case qltaCenter:
            return ES_CENTER | ES_MULTILINE;
        default:
            return 0;
    }
}

std::uint32_t letterCaseBits(std::int16_t dataType) {
    switch (dataType) {
        case qltaLowerCase:
            return ES_LOWERCASE;
        case qltaUpperCase:
            return ES_UPPERCASE;
        default:
            return 0;
    }
}

}  // namespace

StylePatch computeStylePatch(const QueltaState& state, Boolean oldWindows) {
    StylePatch patch = borderPatch(state, oldWindows);
    patch.styleSet |= multiLineBits(state);
    patch.styleSet |= alignmentBits(state.Alignment);
    patch.styleSet |= letterCaseBits(state.DataType);
    if (!isTrue(state.WordWrap)) patch.styleSet |= ES_AUTOHSCROLL;
    if (!isTrue(state.HideSelection)) patch.styleSet |= ES_NOHIDESEL;
    return patch;
}

}  // namespace quelta
