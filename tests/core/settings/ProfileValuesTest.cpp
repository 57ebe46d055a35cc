#include "settings/FrameSettings.h"

#include "support/FakeProfile.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// Earlier versions wrote and read the switches as the integers 1 and 0.
TEST(ProfileValues, SwitchesAreStoredAsOneAndZero) {
    for (bool on : {false, true}) {
        test::FakeProfile profile;
        ASSERT_TRUE(StoreFrameSettings(FrameSettings{on, !on, 80, false}, profile));
        EXPECT_EQ(profile.ReadInt("Status", "Integrate"), on ? 1 : 0);
        EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), on ? 0 : 1);
    }
}

} // namespace
} // namespace quill
