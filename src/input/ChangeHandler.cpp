#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "platform/window/SendKeys.h"

namespace quelta {
namespace {

constexpr int kLiveBox = 1;

}  // namespace

// An edit of the live box is an edit of the value: the stored text follows it before the
// host hears of it. The control's own display writes are not edits. A field typed full
// moves the focus on: the caret, not the length, decides, so an edit in the middle of a
// full field stays.
void Quelta::change(int index) {
    if (index != kLiveBox || isTrue(state_.UpdatingDisplay)) return;
    templateBox().setText(txtBaseCtl[kLiveBox].text());
    container_.propertyChanged(u"Text");
    raiseEvent(kEventChange, {});
    if (isTrue(state_.AutoTabArmed)) {
        EditBox* live = liveBox();
        if (live && live->selStart() >= live->maxLength()) sendKeys(u"{Tab}");
    }
    ignoringErrors([&] { container_.setExtenderProperty(u"DataChanged", Variant::boolean(true)); });
}

}  // namespace quelta
