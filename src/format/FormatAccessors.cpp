#include "control/Quelta.h"

namespace quelta {

// A new format shows at once, except while the user edits: the display keeps the entry
// until the focus leaves.
void Quelta::letFormat(StringView New_Format) {
    if (state_.Format == New_Format) return;
    state_.Format = String(New_Format);
    container_.propertyChanged(u"Format");
    if (!isTrue(state_.HasFocus)) RefreshDisplay();
}

// Decimal places shape the display only where no format of the control's own decides it;
// any value is accepted, 0 and below meaning none.
void Quelta::letScaleDigits(std::int16_t New_ScaleDigits) {
    if (state_.ScaleDigits == New_ScaleDigits) return;
    state_.ScaleDigits = New_ScaleDigits;
    container_.propertyChanged(u"ScaleDigits");
    if (state_.Format.empty()) RefreshDisplay();
}

}  // namespace quelta
