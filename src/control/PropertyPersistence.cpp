// The persisted property set: what a saved form holds of a control, under which keys, with
// which defaults and in which order. Read and write give every key the same default, so a
// value equal to its default may be left out of the bag and still comes back unchanged.

#include "api/TypeLibrary.h"
#include "control/PersistedValue.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/container/PropertyBag.h"
#include "platform/container/SharedInputSettings.h"

namespace quelta {

// Every value goes straight into the state or the template, without the checks,
// notifications and rebuilds of the public properties: nothing reaches the screen before
// the rebuild at the end. A value that its key's conversion cannot take ends the read
// there; what was read before it stays.
void Quelta::ReadProperties(const PropertyBag& bag) {
    applyHelpFileForUserMode();
    for (const MemberInfo* member : persistedReadOrder()) {
        // The default is built only for a key the bag lacks: most keys of a saved control
        // are left out, and a stored font or text is converted where it stands.
        const Variant* saved = bag.lookup(member->wideName());
        const Variant value =
            saved ? fromSavedForm(member->type, *saved)
                  : fromSavedForm(member->type,
                                  savedDefault(member->type, member->byDefault, container_));
        member->persisted.place.load(state_, templateBox(), value);
    }
    RebuildEditBox();
}

// Saves what the control holds, not what it shows: the template's raw text and its own
// colour even while the grey disabled background hides it. Changes nothing.
void Quelta::WriteProperties(PropertyBag& bag) {
    for (const MemberInfo* member : persistedWriteOrder()) {
        Variant stored = member->persisted.place.save(state_, templateBox());
        bag.write(member->wideName(), toSavedForm(member->type, std::move(stored)),
                  savedDefault(member->type, member->byDefault, container_));
    }
}

// The help file follows the host's mode, and is set again only when that mode changes: at
// run time the file the companion settings name, in the designer the control's own.
void Quelta::applyHelpFileForUserMode() {
    const Boolean userMode = toBoolean(container_.userMode());
    if (userMode == state_.LastUserMode) return;
    state_.LastUserMode = userMode;
    container_.setHelpFile(isTrue(userMode) ? sharedSettings().helpFilePath()
                                            : fromUtf8(SharedInputSettings::kHelpFileName));
}

}  // namespace quelta
