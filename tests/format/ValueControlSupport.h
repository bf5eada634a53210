#pragma once
// A started control in a container that records what it reports, for tests of how the
// value is stored and shown; and a way to run such a test in a region. The control fixes
// its regional notation once per thread, so every region needs a thread of its own.

#include <gtest/gtest.h>

#include <string_view>
#include <thread>

#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/region/RegionTestSupport.h"
#include "platform/window/WindowSystem.h"

namespace quelta::testing {

// 15 June 2001, 10:30.
inline constexpr double kPinnedNow = 37057.4375;

// Runs body on a new thread in the region with the clock pinned; gtest expectations inside
// are reported as usual.
template <typename Body>
void inRegion(std::string_view region, Body&& body) {
    std::thread([&] {
        ScopedRegion scoped(region, kPinnedNow);
        body();
    }).join();
}

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
