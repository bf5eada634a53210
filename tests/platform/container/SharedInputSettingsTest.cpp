#include <gtest/gtest.h>

#include <thread>

#include "platform/container/SharedInputSettings.h"

namespace quelta {
namespace {

TEST(SharedInputSettingsTest, OneObjectPerThread) {
    auto first = sharedInputSettings();
    auto second = sharedInputSettings();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    const Boolean original = first->overType();
    first->setOverType(kTrue);
    EXPECT_EQ(second->overType(), kTrue) << "controls of one thread share the mode";

    std::shared_ptr<SharedInputSettings> other;
    Boolean otherStart = kTrue;
    std::thread([&] {
        other = sharedInputSettings();
        otherStart = other->overType();
        other->setOverType(kFalse);
    }).join();
    EXPECT_NE(other, first);
    EXPECT_EQ(otherStart, kFalse) << "a new thread starts in insert mode";
    EXPECT_EQ(first->overType(), kTrue) << "another thread changed this thread's mode";
    first->setOverType(original);
}

TEST(SharedInputSettingsTest, OverTypeIsStoredAsTrueOrFalse) {
    SharedInputSettings settings;
    EXPECT_EQ(settings.overType(), kFalse);
    settings.setOverType(Boolean{0x4000});
    EXPECT_EQ(settings.overType(), kTrue);
}

}  // namespace
}  // namespace quelta
