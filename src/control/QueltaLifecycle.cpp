#include <memory>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "control/SupportModul.h"
#include "platform/AutomationError.h"
#include "platform/container/Picture.h"

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

void Quelta::InitProperties() {
    state_.Alignment = qltaLeftJustify;
    state_.Appearance = qltaAppearance3D;
    state_.BorderStyle = qltaBorderFixedSingle;
    state_.DataType = qltaText;
    state_.ScrollBars = qltaScrollBarsNone;
    state_.ScaleDigits = 0;
    state_.AutoTab = kFalse;
    state_.AutoSize = kFalse;
    state_.DisabledGray = kFalse;
    state_.HideSelection = kTrue;
    state_.MultiLine = kFalse;
    state_.StartSelected = kFalse;
    state_.WordWrap = kFalse;
    state_.Format.clear();

    EditBox& box = templateBox();
    box.setBackColor(kSystemWindowBackground);
    box.setForeColor(kSystemWindowText);
    box.setLocked(kFalse);
    box.setMaxLength(0);
    box.setMousePointer(qltaDefault);
    box.setOleDragMode(qltaDragModeManual);
    box.setOleDropMode(qltaDropModeNone);
    box.setPasswordChar(u"");
    box.setRightToLeft(container_.extenderProperty(u"RightToLeft").toBoolean());
    box.setText(container_.extenderProperty(u"Name").toString());

    letEnabled(kTrue);
    box.setFont(container_.ambientFont());
    box.setMouseIcon(std::make_shared<Picture>());
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
