#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "format/DisplayText.h"
#include "format/ReplaceLineBreaks.h"
#include "platform/AutomationError.h"
#include "platform/region/PlatformClock.h"

namespace quelta {
namespace {

DisplaySettings displaySettingsOf(const QueltaState& state, const QueltaThreadData& data) {
    DisplaySettings settings;
    settings.dataType = state.DataType;
    settings.format = state.Format;
    settings.scaleDigits = state.ScaleDigits;
    settings.mode = displayModeOf(state.HasFocus, state.SelectAllOnEntry);
    settings.numericChars = data.NumericChars;
    settings.regionalDateFormat = data.RegionalDateFormat;
    settings.dateOrder = {data.DayPosition, data.MonthPosition, data.YearPosition};
    settings.referenceText = state.ReferenceText;
    return settings;
}

// Raised while the control writes the live box itself, so that the change handler does not
// take the write for an edit; lowered again however the write ends.
class UpdatingDisplayScope {
public:
    explicit UpdatingDisplayScope(Boolean& flag) : flag_(flag) { flag_ = kTrue; }
    ~UpdatingDisplayScope() { flag_ = kFalse; }
    UpdatingDisplayScope(const UpdatingDisplayScope&) = delete;
    UpdatingDisplayScope& operator=(const UpdatingDisplayScope&) = delete;

private:
    Boolean& flag_;
};

}  // namespace

// Reconciles the stored text (the template box) with the display (the live box): the typed
// data types normalize the stored text into the canonical text of their value, and the live
// box shows the value formatted, or the entry for editing while the control has the focus.
// Only reading the boxes can fail; from then on a failing step is skipped.
void Quelta::RefreshDisplay() {
    EditBox* live = liveBox();
    if (live == nullptr) return;
    EditBox& stored = templateBox();
    const Boolean dataChangedAtEntry = stored.dataChanged();
    String text = stored.text();
    if (isTrue(state_.SingleLineEmulation)) ReplaceLineBreaks(text);

    // A date being edited keeps the text it started from, to complete partial entries from
    // and to fall back to.
    if (state_.DataType == qltaDateTime && isTrue(state_.HasFocus)) state_.ReferenceText = text;
    // Only a date entry is completed from today's date, and reading the clock costs as much
    // as refreshing a number.
    const double today = state_.DataType == qltaDateTime ? Today() : 0.0;
    const DisplayText shown =
        displayTextOf(std::move(text), displaySettingsOf(state_, threadData()), today);
    // The template is element 0, whose change notification the change handler ignores.
    if (shown.storedText) ignoringErrors([&] { stored.setText(*shown.storedText); });
    {
        UpdatingDisplayScope updating(state_.UpdatingDisplay);
        ignoringErrors([&] { live->setText(shown.display); });
    }
    // Normalizing is not an edit: a value that had not changed stays unchanged.
    if (!isTrue(dataChangedAtEntry)) stored.setDataChanged(kFalse);
}

}  // namespace quelta
