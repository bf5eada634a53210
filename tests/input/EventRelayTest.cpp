// What the live box reports reaches the host, in its container's units, and what the host
// answers (an Effect) reaches the box or the drag source. How typed keys are relayed in
// order is shown by the end-to-end scripts; a cleared key code, by the keyboard tests.
#include <gtest/gtest.h>

#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/window/DragSession.h"

namespace quelta {
namespace {

constexpr std::int32_t kMouseMove = -606;
constexpr std::int32_t kOLEDragOver = 4;
constexpr std::int32_t kOLEDragDrop = 3;

struct EventRelayTest : ::testing::Test {
    RecordingContainer container;
    Quelta control{container};
    void SetUp() override {
        startControl(control, nullptr);
        container.setContainerScale(15, 30);  // pixels across, two-pixel rows down
        container.clearRecords();
    }
};

// The end-to-end scripts show the live box's clicks reaching the host; the template is never
// the user's box.
TEST_F(EventRelayTest, ClicksOfTheTemplateStayInside) {
    control.templateBox().click(10, 10);
    EXPECT_TRUE(container.raisedEvents().empty());
}

// A mouse movement also brings the host's current tooltip and help numbers to the box,
// each one the extender has.
TEST_F(EventRelayTest, MouseMoveArrivesInContainerUnitsAndCopiesHelp) {
    container.defineExtenderProperty(u"ToolTipText", Variant(u"Amount"));
    container.defineExtenderProperty(u"HelpContextID", Variant(std::int32_t{77}));
    container.removeExtenderProperty(u"WhatsThisHelpID");
    control.liveBox()->mouseMove(0, 1, 150, 300);
    const auto& move = container.raisedEvents().back();
    ASSERT_EQ(move.dispid, kMouseMove);
    EXPECT_EQ(move.arguments[2].toSingle(), 10.0f);
    EXPECT_EQ(move.arguments[3].toSingle(), 10.0f);
    EXPECT_EQ(control.liveBox()->toolTipText(), u"Amount");
    EXPECT_EQ(control.liveBox()->helpContextID(), 77);
}

TEST_F(EventRelayTest, EffectSetByTheHostIsTheDropEffect) {
    control.letOLEDropMode(1);  // manual: the host decides
    container.setEventHandler([](std::int32_t dispid, std::span<Variant> arguments) {
        if (dispid == kOLEDragOver || dispid == kOLEDragDrop)
            arguments[1] = Variant(std::int32_t{kDropEffectCopy});
    });
    auto data = std::make_shared<DataObject>();
    DataObjectDragSession session(data, kDropEffectCopy | kDropEffectMove);
    EXPECT_EQ(control.liveBox()->oleDragOver(session, 1, 0, 30, 60, 2), kDropEffectCopy);
    EXPECT_EQ(control.liveBox()->oleDragDrop(session, 1, 0, 30, 60), kDropEffectCopy);
    const auto& drop = container.raisedEvents().back();
    EXPECT_EQ(drop.arguments[0].toObject(), data);
    EXPECT_EQ(drop.arguments[4].toSingle(), 2.0f);
    EXPECT_EQ(drop.arguments[5].toSingle(), 2.0f);
}

}  // namespace
}  // namespace quelta
