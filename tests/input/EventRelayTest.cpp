#include <gtest/gtest.h>

#include "control/Quelta.h"
#include "platform/container/RecordingContainer.h"

namespace quelta {
namespace {

constexpr std::int32_t kChange = 1;
constexpr std::int32_t kKeyDown = -602;
constexpr std::int32_t kKeyPress = -603;
constexpr std::int32_t kKeyUp = -604;

struct EventRelayTest : ::testing::Test {
    RecordingContainer container;
    Quelta control{container};
    void SetUp() override { startControl(control, nullptr); }
    std::vector<std::int32_t> raisedOrder() {
        std::vector<std::int32_t> order;
        for (const auto& event : container.raisedEvents())
            order.push_back(event.dispid);
        return order;
    }
};

TEST_F(EventRelayTest, HandlerChangesComeBackToTheBox) {
    control.liveBox()->setSelStart(7);  // behind the name the box starts with
    container.setEventHandler([](std::int32_t dispid, std::span<Variant> arguments) {
        if (dispid == kKeyPress && arguments[0].toInteger() == 'a')
            arguments[0] = Variant(std::int16_t{'B'});
        if (dispid == kKeyPress && arguments[0].toInteger() == 'x')
            arguments[0] = Variant(std::int16_t{0});
    });
    control.liveBox()->typeText(u"axc");

    EXPECT_EQ(control.liveBox()->text(), u"Quelta1Bc");
    EXPECT_EQ(control.templateBox().text(), u"Quelta1Bc");  // the stored text follows each edit
    EXPECT_EQ(raisedOrder(),
              (std::vector<std::int32_t>{kKeyDown, kKeyPress, kChange, kKeyUp, kKeyDown, kKeyPress,
                                         kKeyUp, kKeyDown, kKeyPress, kChange, kKeyUp}));
    EXPECT_EQ(container.changedProperties().back(), u"Text");
}

TEST_F(EventRelayTest, ClearedKeyCodeCancelsTheKey) {
    control.liveBox()->setSelStart(0);
    container.setEventHandler([](std::int32_t dispid, std::span<Variant> arguments) {
        if (dispid == kKeyDown) arguments[0] = Variant(std::int16_t{0});
    });
    control.liveBox()->pressKey(0x2E);  // Delete
    EXPECT_EQ(control.liveBox()->text(), u"Quelta1");
}

TEST_F(EventRelayTest, ClicksOfTheLiveBoxReachTheHost) {
    control.templateBox().click(10, 10);  // the template is never the user's box
    control.liveBox()->click(10, 10);
    control.liveBox()->doubleClick(10, 10);
    std::vector<std::int32_t> clicks = raisedOrder();
    std::erase_if(clicks, [](std::int32_t id) { return id != -600 && id != -601; });
    EXPECT_EQ(clicks, (std::vector<std::int32_t>{-600, -600, -601}));
}

}  // namespace
}  // namespace quelta
