// The live box's mouse and drag-and-drop notifications become the control's events of the
// same names. Coordinates go to the host in the container's units, as copies: what the
// host writes there is discarded. Every other argument is the box's own, so that an Effect
// the host sets is the effect the box reports.
#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "input/EventArguments.h"
#include "platform/container/ScaleConversion.h"

namespace quelta {
namespace {

constexpr int kLiveBox = 1;

struct ContainerPoint {
    float x;
    float y;
};

// The box reports twips from its own corner; the host gets the same point in its units.
ContainerPoint inContainerUnits(const ControlContainer& container, float x, float y) {
    return {container.scaleX(x, kScaleTwips, kScaleContainerPosition),
            container.scaleY(y, kScaleTwips, kScaleContainerPosition)};
}

}  // namespace

void Quelta::click(int index) {
    if (index == kLiveBox) raiseEvent(kEventClick, {});
}

void Quelta::dblClick(int index) {
    if (index == kLiveBox) raiseEvent(kEventDblClick, {});
}

void Quelta::mouseDown(int index, std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    if (index != kLiveBox) return;
    auto [unitsX, unitsY] = inContainerUnits(container_, x, y);
    raiseByReference(*this, kEventMouseDown, button, shift, unitsX, unitsY);
}

// The host may change the tooltip and help numbers at run time; the box shows them from
// the next movement on.
void Quelta::mouseMove(int index, std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    if (index != kLiveBox) return;
    auto [unitsX, unitsY] = inContainerUnits(container_, x, y);
    raiseByReference(*this, kEventMouseMove, button, shift, unitsX, unitsY);
    copyHelpFromExtender(true);
}

void Quelta::mouseUp(int index, std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    if (index != kLiveBox) return;
    auto [unitsX, unitsY] = inContainerUnits(container_, x, y);
    raiseByReference(*this, kEventMouseUp, button, shift, unitsX, unitsY);
}

void Quelta::oleStartDrag(int index, DataObjectRef& data, std::int32_t& allowedEffects) {
    if (index == kLiveBox) raiseByReference(*this, kEventOLEStartDrag, data, allowedEffects);
}

void Quelta::oleSetData(int index, DataObjectRef& data, std::int16_t& dataFormat) {
    if (index == kLiveBox) raiseByReference(*this, kEventOLESetData, data, dataFormat);
}

void Quelta::oleGiveFeedback(int index, std::int32_t& effect, Boolean& defaultCursors) {
    if (index != kLiveBox) return;
    std::array<Variant, 2> arguments{Variant(effect), Variant::boolean(isTrue(defaultCursors))};
    raiseEvent(kEventOLEGiveFeedback, arguments);
    effect = arguments[0].toLong();
    defaultCursors = arguments[1].toBoolean();
}

void Quelta::oleCompleteDrag(int index, std::int32_t& effect) {
    if (index == kLiveBox) raiseByReference(*this, kEventOLECompleteDrag, effect);
}

void Quelta::oleDragOver(int index, DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                         std::int16_t& shift, float& x, float& y, std::int16_t& state) {
    if (index != kLiveBox) return;
    auto [unitsX, unitsY] = inContainerUnits(container_, x, y);
    raiseByReference(*this, kEventOLEDragOver, data, effect, button, shift, unitsX, unitsY, state);
}

void Quelta::oleDragDrop(int index, DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                         std::int16_t& shift, float& x, float& y) {
    if (index != kLiveBox) return;
    auto [unitsX, unitsY] = inContainerUnits(container_, x, y);
    raiseByReference(*this, kEventOLEDragDrop, data, effect, button, shift, unitsX, unitsY);
}

}  // namespace quelta
