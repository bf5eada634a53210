#include "platform/container/ScaleConversion.h"

#include <cmath>
#include <limits>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

double positiveUnit(double twips) {
    if (!(std::isfinite(twips) && twips > 0)) raiseError(kErrInvalidPropertyValue);
    return twips;
}

}  // namespace

double twipsPerUnit(std::int16_t mode, ScaleAxis axis, const ScaleUnits& units) {
    switch (mode) {
        case kScaleUser:
        case kScaleTwips:
            return 1;
        case kScalePoints:
            return 20;
        case kScalePixels:
            return positiveUnit(units.twipsPerPixel);
        case kScaleCharacters:
            return axis == ScaleAxis::X ? 120 : 240;
        case kScaleInches:
            return 1440;
        case kScaleMillimeters:
            return 1440 / 25.4;
        case kScaleCentimeters:
            return 1440 / 2.54;
        case kScaleHimetric:
            return 1440 / 2540.0;
        case kScaleContainerPosition:
        case kScaleContainerSize:
            return positiveUnit(units.twipsPerContainerUnit);
        default:
            raiseError(kErrInvalidProcedureCall);
    }
}

float convertScale(float value, std::int16_t fromMode, std::int16_t toMode, ScaleAxis axis,
                   const ScaleUnits& units) {
    const double from = twipsPerUnit(fromMode, axis, units);
    const double to = twipsPerUnit(toMode, axis, units);
    const double result = static_cast<double>(value) * from / to;
    if (std::isnan(result)) raiseError(kErrInvalidProcedureCall);
    if (std::fabs(result) > std::numeric_limits<float>::max()) raiseError(kErrOverflow);
    return static_cast<float>(result);
}

}  // namespace quelta
