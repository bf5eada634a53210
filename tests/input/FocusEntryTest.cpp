#include <gtest/gtest.h>

#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

// Focus entry switches the container's enabled state off only for a disabled control while
// the application runs; the Enabled write switches it back on.
TEST(FocusEntryTest, DisabledControlAtRunTimeSwitchesTheContainerOff) {
    struct Case {
        bool enabled;
        bool userMode;
        bool containerEnabledAfter;
    };
    for (Case c : {Case{true, true, true}, {false, true, false}, {false, false, true}}) {
        SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " user mode " << c.userMode);
        RecordingContainer container;
        Quelta control(container);
        startControl(control, nullptr);
        control.letEnabled(toBoolean(c.enabled));
        container.setUserMode(c.userMode);
        control.EnterFocus();
        EXPECT_EQ(container.enabled(), c.containerEnabledAfter);
        control.letEnabled(kTrue);
        EXPECT_TRUE(container.enabled());
    }
}

}  // namespace
}  // namespace quelta
