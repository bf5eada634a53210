#pragma once
// Conversion of lengths between the platform's scale modes, as a form's ScaleX and ScaleY
// do it: through twips, in single precision.

#include <cstdint>

namespace quelta {

enum ScaleMode : std::int16_t {
    kScaleUser = 0,  // the control's own scale, which is twips
    kScaleTwips = 1,
    kScalePoints = 2,
    kScalePixels = 3,
    kScaleCharacters = 4,  // 120 twips wide, 240 twips high
    kScaleInches = 5,
    kScaleMillimeters = 6,
    kScaleCentimeters = 7,
    kScaleHimetric = 8,
    kScaleContainerPosition = 9,  // the container's own units
    kScaleContainerSize = 10,     // likewise
};

enum class ScaleAxis { X, Y };

// What one unit of each scale mode measures in twips along one axis.
struct ScaleUnits {
    double twipsPerPixel = 15;
    double twipsPerContainerUnit = 1;
};

// Twips per unit of the mode; error 5 for a mode outside 0..10 and error 380 for a pixel or
// container unit that is not a positive finite number.
double twipsPerUnit(std::int16_t mode, ScaleAxis axis, const ScaleUnits& units);

// The value in fromMode expressed in toMode; error 6 when the single-precision result
// overflows, error 5 for an unknown mode.
float convertScale(float value, std::int16_t fromMode, std::int16_t toMode, ScaleAxis axis,
                   const ScaleUnits& units);

}  // namespace quelta
