#include "control/LayoutRules.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/AutomationError.h"

namespace quelta {

// The extender's help settings reach the live box once, at the first resize while the
// application runs; later rebuilds do not copy them again. A host without one of them, or
// with a value that does not convert, leaves that setting as it was.
void Quelta::Resize() {
    LayoutEditBox();
    if (isTrue(state_.HelpPropagated) || !container_.userMode()) return;
    copyHelpFromExtender();
}

void Quelta::copyHelpFromExtender() {
    ignoringErrors([&] {
        txtBaseCtl[1].setWhatsThisHelpID(container_.extenderProperty(u"WhatsThisHelpID").toLong());
    });
    ignoringErrors([&] {
        txtBaseCtl[1].setHelpContextID(container_.extenderProperty(u"HelpContextID").toLong());
    });
    ignoringErrors([&] {
        txtBaseCtl[1].setToolTipText(container_.extenderProperty(u"ToolTipText").toString());
    });
    state_.HelpPropagated = kTrue;
}

// The live box fills the control, inside the frame label where one draws the border. A
// control smaller than the template box plus its border springs back; the host then resizes
// it and this layout runs again in the new size.
void Quelta::LayoutEditBox() {
    if (!isTrue(state_.EditBoxLoaded)) RebuildEditBox();
    const float width = container_.width();
    const float height = container_.height();
    float insetX = 0;
    float insetY = 0;
    if (drawsFrameLabel(threadData().OldWindows, state_.BorderStyle, state_.Appearance)) {
        placeFrameLabel(width, height);
        insetX = kFrameInsetPixels * container_.twipsPerPixelX();
        insetY = kFrameInsetPixels * container_.twipsPerPixelY();
    }
    txtBaseCtl[1].move(insetX, insetY, width - 2 * insetX, height - 2 * insetY);
    keepMinimumSize();
}

// Once shown, the label stays visible for the life of the control, even after a style change
// that no longer needs it.
void Quelta::placeFrameLabel(float width, float height) {
    lbl3DBorder.setBackColor(txtBaseCtl[1].backColor());
    lbl3DBorder.move(0, 0, width, height);
    lbl3DBorder.setVisible(true);
}

// Only a length strictly below the minimum changes; each change resizes the control at once,
// so the height is read again after the width has sprung back.
void Quelta::keepMinimumSize() {
    const float minimumWidth = minimumLength(static_cast<float>(templateBox().width()),
                                             state_.BorderStyle, container_.twipsPerPixelX());
    const float minimumHeight = minimumLength(static_cast<float>(templateBox().height()),
                                              state_.BorderStyle, container_.twipsPerPixelY());
    if (minimumWidth > container_.width()) container_.setSize(minimumWidth, container_.height());
    if (minimumHeight > container_.height()) container_.setSize(container_.width(), minimumHeight);
}

}  // namespace quelta
