#include "integration/PickupRetry.h"

#include <gtest/gtest.h>
#include <vector>

namespace quill {
namespace {

TEST(PickupRetry, LooksAgainSoonThenLessOftenAndStopsOnceTheLinkIsTaken) {
    PickupRetry retry;
    EXPECT_EQ(retry.After(PickupResult::NothingWaiting), 0);
    std::vector<int> delays;
    for (int i = 0; i < 12; ++i) {
        delays.push_back(retry.After(PickupResult::ResetFailed));
    }
    EXPECT_EQ(delays,
              (std::vector<int>{10, 20, 40, 80, 160, 320, 640, 1280, 2560, 3000, 3000, 3000}));
    EXPECT_EQ(retry.After(PickupResult::Delivered), 0);
    EXPECT_EQ(retry.After(PickupResult::ResetFailed), 10); // a new wait starts soon again
}

} // namespace
} // namespace quill
