// Mouse and drop events reach the host in its container's units, and what the host
// answers in Effect reaches the drag source.
#include <gtest/gtest.h>

#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"
#include "platform/window/DragSession.h"

namespace quelta {
namespace {

constexpr std::int32_t kMouseMove = -606;
constexpr std::int32_t kOLEDragOver = 4;
constexpr std::int32_t kOLEDragDrop = 3;

struct MouseAndDragRelayTest : ::testing::Test {
    RecordingContainer container;
    Quelta control{container};
    void SetUp() override {
        startControl(control, nullptr);
        container.setContainerScale(15, 30);  // pixels across, two-pixel rows down
        container.clearRecords();
    }
};

// A mouse movement also brings the host's current tooltip and help numbers to the box,
// each one the extender has.
TEST_F(MouseAndDragRelayTest, MouseMoveArrivesInContainerUnitsAndCopiesHelp) {
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

TEST_F(MouseAndDragRelayTest, EffectSetByTheHostIsTheDropEffect) {
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
