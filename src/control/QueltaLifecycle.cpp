#include <vector>

#include "api/ArgumentConversion.h"
#include "api/TypeLibrary.h"
#include "control/PersistedValue.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "control/SupportModul.h"
#include "platform/AutomationError.h"

namespace quelta {
namespace {

// The template box's own design size; it never changes and sets the control's minimum.
constexpr double kTemplateWidth = 75;
constexpr double kTemplateHeight = 195;

EditBoxCreation templateCreation(EditBoxEvents* owner, WindowHandle parent) {
    EditBoxCreation creation;
    creation.index = 0;
    creation.owner = owner;
    creation.parent = parent;
    creation.properties.visible = false;
    creation.properties.width = kTemplateWidth;
    creation.properties.height = kTemplateHeight;
    return creation;
}

// What a new control takes for one persisted property, in the read order. A number or text
// default is the same for every control, so it is converted to the kept form once rather than
// built and converted again at each creation; the extender's names are widened once.
struct NewControlEntry {
    bool fixed = false;  // value holds the kept form of the default
    Variant value;
    String extenderName;  // where the extender gives the value
};

bool isFixedDefault(const DefaultValue& value) {
    return value.kind == DefaultValue::Kind::Number || value.kind == DefaultValue::Kind::Text;
}

const std::vector<NewControlEntry>& newControlEntries(const ControlContainer& container) {
    static const std::vector<NewControlEntry> entries = [&] {
        std::vector<NewControlEntry> result;
        for (const MemberInfo* member : persistedReadOrder()) {
            NewControlEntry entry;
            const NewControlValue& rule = member->newControl;
            entry.extenderName = fromUtf8(rule.fromExtender);
            // Only fixed defaults are converted here, and those never ask the container.
            entry.fixed = rule.fromExtender.empty() && !rule.throughAccessor &&
                          isFixedDefault(member->byDefault);
            if (entry.fixed) {
                entry.value = fromSavedForm(
                    member->type, savedDefault(member->type, member->byDefault, container));
            }
            result.push_back(std::move(entry));
        }
        return result;
    }();
    return entries;
}

}  // namespace

Quelta::Quelta(ControlContainer& container)
    : container_(container), txtBaseCtl(templateCreation(this, container.windowHandle())) {
    // The frame label is shown only where the layout needs it, and then draws a sunken
    // single border around the live box.
    lbl3DBorder.setVisible(false);
    lbl3DBorder.setBorderStyle(Label::kBorderFixedSingle);
    lbl3DBorder.setAppearance(Label::kAppearance3D);
    container_.setResizeHandler([this] { Resize(); });
}

Quelta::~Quelta() {
    container_.setResizeHandler({});
}

void Quelta::Initialize() {
    threadData().OldWindows = toBoolean((SupportModul::GetVersion() & 0xFF) < 4);
    EstablishRegionalSettings();
}

// A new control takes the persisted properties' defaults in the order a saved form is read,
// except where the host has a say: its extender gives the text (the control's name) and
// RightToLeft, and Enabled is set through its property, with every effect that has.
void Quelta::InitProperties() {
    const std::span<const MemberInfo* const> order = persistedReadOrder();
    const std::vector<NewControlEntry>& entries = newControlEntries(container_);
    for (std::size_t at = 1; at <= order.size(); ++at) {
        const MemberInfo& member = *order[at - 1];
        if (at == member.persisted.rereadAt) continue;
        const NewControlEntry& entry = entries[at - 1];
        if (entry.fixed) {
            member.persisted.place.load(state_, templateBox(), entry.value);
            continue;
        }
        const NewControlValue& rule = member.newControl;
        const Variant value = rule.fromExtender.empty()
                                  ? savedDefault(member.type, member.byDefault, container_)
                                  : container_.extenderProperty(entry.extenderName);
        if (rule.throughAccessor) {
            member.write(*this, argumentAs(member.type, value));
        } else {
            member.persisted.place.load(state_, templateBox(), fromSavedForm(member.type, value));
        }
    }
    RebuildEditBox();
}

EditBox* Quelta::liveBox() {
    return isTrue(state_.EditBoxLoaded) ? &txtBaseCtl[1] : nullptr;
}

void Quelta::Refresh() {
    if (EditBox* box = liveBox()) box->refresh();
}

void Quelta::OLEDrag() {
    if (EditBox* box = liveBox()) box->oleDrag();
}

void Quelta::raiseEvent(std::int32_t dispid, std::span<Variant> arguments) {
    container_.raiseEvent(dispid, arguments);
}

void Quelta::storeBoolean(Boolean& field, Boolean value, StringView propertyName) {
    Boolean normalized = toBoolean(isTrue(value));
    if (field == normalized) return;
    field = normalized;
    container_.propertyChanged(propertyName);
}

}  // namespace quelta
