#pragma once
// How a control's stored text becomes the text its live box shows, and, for the typed data
// types, the canonical text of the value that the stored text is normalized into on the
// way. The display text comes from the platform's Format routine; the rules here only pick
// the value and the format string it is given.

#include <cstdint>
#include <optional>

#include "format/DateTimeCompletion.h"
#include "platform/Boolean.h"
#include "platform/String.h"

namespace quelta {

// Display: the control does not have the focus; the value is shown formatted.
// Editing: the control has the focus; the entry is shown for correction.
// SelectedEntry: the focus is entering a control that selects its whole entry; the value
// stays formatted, so that the first keystroke replaces it.
enum class DisplayMode { Display, Editing, SelectedEntry };

DisplayMode displayModeOf(Boolean hasFocus, Boolean selectAllOnEntry);

struct DisplaySettings {
    std::int16_t dataType = 0;  // a value outside the enumeration counts as plain text
    StringView format;
    std::int16_t scaleDigits = 0;
    DisplayMode mode = DisplayMode::Display;
    // The thread's regional notation.
    StringView numericChars;
    StringView regionalDateFormat;
    RegionalDateOrder dateOrder;
    // The stored text when editing began: partial dates and times complete from it, and an
    // entry that does not form one falls back to it.
    StringView referenceText;
};

struct DisplayText {
    String display;
    // The canonical text of the value (empty for a value that did not convert), when the
    // entry was normalized; nothing when the stored text is to stay as it is.
    std::optional<String> storedText;
};

// text is the stored text as the live box is to show it (line breaks already replaced
// under single-line emulation); today (a serial date, read by date controls alone) supplies
// the parts a partial date entry leaves out. Never fails: a conversion or Format call that
// fails is skipped and what it was to set keeps its value, so a format the Format routine
// refuses shows the entry itself.
DisplayText displayTextOf(String text, const DisplaySettings& settings, double today);

}  // namespace quelta
