#include <gtest/gtest.h>

#include <cmath>

#include "platform/region/PlatformClock.h"

namespace quelta {
namespace {

TEST(PlatformClockTest, PinnedClockHoldsUntilUnpinned) {
    pinClock(36892.75);
    EXPECT_EQ(Now(), 36892.75);
    EXPECT_EQ(Today(), 36892);
    unpinClock();
    EXPECT_FALSE(pinnedClock().has_value());
}

TEST(PlatformClockTest, SystemClockIsWholeSecondsOfARecentDay) {
    double now = Now();
    EXPECT_GT(now, 45000);  // after 2023
    double seconds = (now - std::floor(now)) * 86400;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
    EXPECT_EQ(Today(), std::floor(now));
}

}  // namespace
}  // namespace quelta
