#include <gtest/gtest.h>

#include "platform/container/SharedInputSettings.h"

namespace quelta {
namespace {

// That the controls of a thread share the mode, the Insert key tests show.
TEST(SharedInputSettingsTest, AnyNonZeroOverTypeIsStoredAsTrue) {
    const auto settings = sharedInputSettings();
    const Boolean original = settings->overType();
    settings->setOverType(Boolean{0x4000});
    EXPECT_EQ(settings->overType(), kTrue);
    settings->setOverType(original);
}

}  // namespace
}  // namespace quelta
