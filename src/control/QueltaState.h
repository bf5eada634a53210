#pragma once
// The state record of one control instance. Booleans are 16-bit (kTrue/kFalse) and
// enumerated properties are stored as 16-bit signed values, so a stored form may hold a
// value outside its enumeration; every reader treats such a value by its own rule.

#include <cstdint>

#include "platform/Boolean.h"
#include "platform/String.h"

namespace quelta {

struct QueltaState {
    String Format;
    // Raw text kept while a date control has the focus; partial dates complete from it.
    String ReferenceText;
    std::int16_t Alignment = 0;
    std::int16_t Appearance = 0;
    std::int16_t BorderStyle = 0;
    std::int16_t DataType = 0;
    std::int16_t ScaleDigits = 0;
    std::int16_t ScrollBars = 0;
    Boolean AutoSize = kFalse;
    Boolean Enabled = kFalse;
    Boolean AutoTab = kFalse;
    Boolean DisabledGray = kFalse;
    Boolean HideSelection = kFalse;
    Boolean MultiLine = kFalse;
    Boolean StartSelected = kFalse;
    Boolean WordWrap = kFalse;
    // True while the control writes the live box's text itself, so that the change is not
    // taken for an edit.
    Boolean UpdatingDisplay = kFalse;
    Boolean HasFocus = kFalse;
    // StartSelected, but only while focus entry refreshes the display.
    Boolean SelectAllOnEntry = kFalse;
    // Whether the live edit box exists; every access to it is skipped while this is False.
    Boolean EditBoxLoaded = kFalse;
    // Right or centre alignment of single-line text needs a multi-line box that behaves as a
    // single-line one.
    Boolean SingleLineEmulation = kFalse;
    Boolean AutoTabArmed = kFalse;
    Boolean HelpPropagated = kFalse;
    Boolean LastUserMode = kFalse;
};

}  // namespace quelta
