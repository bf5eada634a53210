#include <array>

#include "control/Quelta.h"
#include "control/QueltaEvents.h"

namespace quelta {
namespace {

constexpr int kLiveBox = 1;

}  // namespace

// Key events pass KeyCode and Shift by reference: what the host's handler leaves is what
// the box processes.
void Quelta::keyDown(int index, std::int16_t& keyCode, std::int16_t& shift) {
    if (index != kLiveBox) return;
    std::array<Variant, 2> arguments{Variant(keyCode), Variant(shift)};
    raiseEvent(kEventKeyDown, arguments);
    keyCode = arguments[0].toInteger();
    shift = arguments[1].toInteger();
}

void Quelta::keyUp(int index, std::int16_t& keyCode, std::int16_t& shift) {
    if (index != kLiveBox) return;
    std::array<Variant, 2> arguments{Variant(keyCode), Variant(shift)};
    raiseEvent(kEventKeyUp, arguments);
    keyCode = arguments[0].toInteger();
    shift = arguments[1].toInteger();
}

void Quelta::keyPress(int index, std::int16_t& keyAscii) {
    if (index != kLiveBox) return;
    std::array<Variant, 1> arguments{Variant(keyAscii)};
    raiseEvent(kEventKeyPress, arguments);
    keyAscii = arguments[0].toInteger();
}

// An edit of the live box is an edit of the value: the stored text follows it. The
// control's own display writes are not edits.
void Quelta::change(int index) {
    if (index != kLiveBox || isTrue(state_.UpdatingDisplay)) return;
    templateBox().setText(txtBaseCtl[kLiveBox].text());
    container_.propertyChanged(u"Text");
    raiseEvent(kEventChange, {});
}

void Quelta::click(int index) {
    if (index == kLiveBox) raiseEvent(kEventClick, {});
}

void Quelta::dblClick(int index) {
    if (index == kLiveBox) raiseEvent(kEventDblClick, {});
}

}  // namespace quelta
