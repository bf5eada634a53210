#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "control/QueltaThreadData.h"
#include "input/EventArguments.h"
#include "input/KeystrokeFilter.h"

namespace quelta {
namespace {

constexpr int kLiveBox = 1;
constexpr std::int16_t kFirstPrintable = 32;

// The line-break and tab characters a single-line box would not take.
bool isLineOrTabCharacter(std::int16_t keyAscii) {
    return keyAscii == 13 || keyAscii == 9 || keyAscii == 10;
}

}  // namespace

// A typed character: vetted for the data type, shown to the host (which may change or drop
// it), then prepared for the box. Refused characters reach neither the host nor the box.
void Quelta::keyPress(int index, std::int16_t& keyAscii) {
    if (index != kLiveBox) return;
    EditBox& live = txtBaseCtl[kLiveBox];
    const KeystrokeVerdict verdict =
        filterKeystroke({keyAscii, live.text(), live.selStart(), live.selLength(), state_.DataType,
                         state_.ScaleDigits, threadData().DecimalSeparatorCode});
    keyAscii = verdict.keyAscii;
    if (!verdict.accepted) return;
    raiseByReference(*this, kEventKeyPress, keyAscii);
    if (isTrue(state_.SingleLineEmulation) && isLineOrTabCharacter(keyAscii)) {
        keyAscii = 0;
        MessageBeep();
    }
    if (keyAscii < kFirstPrintable) return;
    state_.AutoTabArmed = state_.AutoTab;
    // Overtype replaces the character behind the caret; at the end of the text there is
    // none, and the character is appended.
    EditBox* box = liveBox();
    if (box && isTrue(sharedSettings().overType()) && box->selLength() == 0) box->setSelLength(1);
}

}  // namespace quelta
