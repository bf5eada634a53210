#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "control/QueltaThreadData.h"
#include "input/EventArguments.h"
#include "platform/window/VirtualKeys.h"

namespace quelta {
namespace {

constexpr int kLiveBox = 1;

// What a multi-line box that stands in for a single-line one gets instead of a key: Up and
// Down move like Left and Right, Tab and Enter do nothing.
std::int16_t singleLineKey(std::int16_t keyCode) {
    switch (keyCode) {
        case VK_UP:
            return VK_LEFT;
        case VK_DOWN:
            return VK_RIGHT;
        case VK_TAB:
        case VK_RETURN:
            return 0;
        default:
            return keyCode;
    }
}

}  // namespace

// The host sees the key as pressed; the box sees what is left of it after the host, the
// overtype toggle and the single-line remapping.
void Quelta::keyDown(int index, std::int16_t& keyCode, std::int16_t& shift) {
    if (index != kLiveBox) return;
    raiseByReference(*this, kEventKeyDown, keyCode, shift);
    // Shift+Insert and Ctrl+Insert are the paste and copy keys, not the mode key.
    if (keyCode == VK_INSERT && shift == 0) {
        SharedInputSettings& settings = sharedSettings();
        settings.setOverType(toBoolean(!isTrue(settings.overType())));
    }
    if (isTrue(state_.SingleLineEmulation)) keyCode = singleLineKey(keyCode);
    copyHelpFromExtender(false);
}

void Quelta::keyUp(int index, std::int16_t& keyCode, std::int16_t& shift) {
    if (index == kLiveBox) raiseByReference(*this, kEventKeyUp, keyCode, shift);
}

}  // namespace quelta
