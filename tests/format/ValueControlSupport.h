#pragma once
// A started control in a container that records what it reports, for tests of how the
// value is stored and shown; run it in a region with inRegion.

#include <gtest/gtest.h>

#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/window/WindowSystem.h"

namespace quelta::testing {

struct ValueControl {
    RecordingContainer container;
    Quelta control{container};

    ValueControl(std::int16_t dataType, StringView format = u"", std::int16_t scaleDigits = 0) {
        startControl(control, nullptr);
        control.letDataType(dataType);
        control.letFormat(format);
        control.letScaleDigits(scaleDigits);
        container.clearRecords();
    }

    EditBox& live() { return *control.liveBox(); }
    const String& stored() { return control.templateBox().text(); }
    // What the user does: the focus enters or leaves the live box; an edit of its text.
    void focus() { SetFocus(live().hWnd()); }
    void leave() { SetFocus(0); }
    void type(StringView text) { live().setText(text); }
};

}  // namespace quelta::testing
