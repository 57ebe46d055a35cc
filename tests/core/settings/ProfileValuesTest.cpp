#include "frame/MainFrameState.h"
#include "support/FakeProfile.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

// What one run stores, the next run reads back; switches are stored as the
// integers 1 and 0 that earlier versions wrote and read.
TEST(ProfileValues, StoredSettingsReadBackOnTheNextRun) {
    for (int mask = 0; mask < 4; ++mask) {
        MainFrameState stored;
        stored.m_bIntegrate = (mask & 1) != 0;
        stored.m_bTrackMouse = (mask & 2) != 0;
        stored.m_transparency = 20 + mask;
        test::FakeProfile profile;

        StoreFrameSettings(stored, profile);
        MainFrameState read;
        ReadFrameSettings(read, profile);

        EXPECT_FALSE(read.m_bFirstRun);
        EXPECT_EQ(read.m_bIntegrate, stored.m_bIntegrate) << mask;
        EXPECT_EQ(read.m_bTrackMouse, stored.m_bTrackMouse) << mask;
        EXPECT_EQ(read.m_transparency, stored.m_transparency) << mask;
        EXPECT_EQ(profile.ReadInt("Status", "Integrate"), mask & 1) << mask;
        EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), (mask & 2) / 2) << mask;
    }
}

} // namespace
} // namespace quill
