#include "platform/container/ControlContainer.h"

#include "platform/container/ScaleConversion.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {

float ControlContainer::textWidth(StringView text) const {
    const FontRef font = drawingFont();
    const double width =
        font ? textMeasurer().textWidth(*font, text) : textMeasurer().textWidth(Font(), text);
    return static_cast<float>(width);
}

float ControlContainer::scaleX(float value, std::int16_t fromMode, std::int16_t toMode) const {
    const ScaleUnits units{quelta::twipsPerPixelX(), containerTwipsPerUnitX()};
    return convertScale(value, fromMode, toMode, ScaleAxis::X, units);
}

float ControlContainer::scaleY(float value, std::int16_t fromMode, std::int16_t toMode) const {
    const ScaleUnits units{quelta::twipsPerPixelY(), containerTwipsPerUnitY()};
    return convertScale(value, fromMode, toMode, ScaleAxis::Y, units);
}

float ControlContainer::twipsPerPixelX() const {
    return static_cast<float>(quelta::twipsPerPixelX());
}

float ControlContainer::twipsPerPixelY() const {
    return static_cast<float>(quelta::twipsPerPixelY());
}

}  // namespace quelta
