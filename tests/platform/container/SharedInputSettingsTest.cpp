#include <gtest/gtest.h>

#include "platform/container/SharedInputSettings.h"

namespace quelta {
namespace {

TEST(SharedInputSettingsTest, OneObjectForTheControlsOfAThread) {
    auto first = sharedInputSettings();
    auto second = sharedInputSettings();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    const Boolean original = first->overType();
    first->setOverType(kTrue);
    EXPECT_EQ(second->overType(), kTrue) << "controls of one thread share the mode";
    first->setOverType(Boolean{0x4000});
    EXPECT_EQ(second->overType(), kTrue) << "any non-zero is stored as True";
    first->setOverType(original);
}

}  // namespace
}  // namespace quelta
