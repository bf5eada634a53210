#pragma once
// The rules of the control's layout, apart from the boxes they are applied to. Lengths are
// twips in single precision, as every length of the platform's forms. A stored form may hold
// any 16-bit value for an enumeration: a border is any style but None, 3-D only 3-D itself.

#include <cstdint>

#include "control/Enumerations.h"
#include "platform/Boolean.h"

namespace quelta {

// How far the live box stands inside the frame label, on each side.
inline constexpr float kFrameInsetPixels = 3;
// The room a border takes, in each direction.
inline constexpr float kBorderAllowancePixels = 6;

// Old platforms have no sunken client edge, so a label behind the live box draws the 3-D
// border there.
constexpr bool drawsFrameLabel(Boolean oldWindows, std::int16_t borderStyle,
                               std::int16_t appearance) {
    return isTrue(oldWindows) && borderStyle != qltaBorderNone && appearance == qltaAppearance3D;
}

constexpr float borderAllowance(std::int16_t borderStyle, float twipsPerPixel) {
    return borderStyle != qltaBorderNone ? kBorderAllowancePixels * twipsPerPixel : 0.0f;
}

// The smallest length the control may have along one axis: the template box, which never
// changes its size, plus the room of the border.
constexpr float minimumLength(float templateLength, std::int16_t borderStyle, float twipsPerPixel) {
    return templateLength + borderAllowance(borderStyle, twipsPerPixel);
}

// The character whose repetition measures the width of MaxLength typical characters: a wide
// capital for upper case, a digit for numbers and dates, a small letter for everything else.
constexpr char16_t measuringCharacter(std::int16_t dataType) {
    switch (dataType) {
        case qltaUpperCase:
            return u'W';
        case qltaNumeric:
        case qltaSignedNumeric:
        case qltaDateTime:
            return u'0';
        default:
            return u'w';
    }
}

}  // namespace quelta
