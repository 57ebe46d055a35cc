#include "settings/Transparency.h"

#include "frame/WindowAlpha.h"
#include "settings/FrameSettings.h"
#include "support/FakeProfile.h"

#include <gtest/gtest.h>
#include <vector>

namespace quill {
namespace {

struct RecordingAlpha : WindowAlpha {
    void SetAlpha(std::uint8_t alpha) override { calls.push_back(alpha); }
    std::vector<int> calls;
};

TEST(AlphaForLevel, FiveLevelsAndCodesBeyondThem) {
    const std::pair<int, int> codeAlpha[] = {
        {1, 255},  {20, 176},  {40, 88},   {60, 144}, {80, 44},    {0, 44},   {2, 156},
        {33, 188}, {100, 200}, {255, 100}, {256, 0},  {100000, 0}, {-1, 100}, // two's complement
    };
    for (auto [code, alpha] : codeAlpha) {
        EXPECT_EQ(AlphaForLevel(code), alpha) << code;
    }
}

TEST(StoredLevel, OutsideOneTo255ReadsAsEightySoTheWindowNeverVanishes) {
    for (int code : {1, 33, 255, 0, 256, -1}) {
        test::FakeProfile profile;
        profile.Set("Status", "Percent", code);
        EXPECT_EQ(ReadFrameSettings(profile).transparency, code >= 1 && code <= 255 ? code : 80)
            << code;
    }
}

TEST(LevelCommands, StoreTheirCodesWithFortyAndSixtySwappedAndCheckOne) {
    FrameSettings state;
    const std::pair<int, int> idCode[] = {
        {32838, 1}, {32839, 20}, {32840, 60}, {32841, 40}, {32842, 80}};
    for (auto [id, code] : idCode) {
        ASSERT_TRUE(ApplyLevelCommand(state, id));
        EXPECT_EQ(state.transparency, code) << id;
        for (auto [other, ignored] : idCode) {
            EXPECT_EQ(IsLevelCommandChecked(other, code), other == id) << other << " " << code;
        }
    }
    EXPECT_FALSE(ApplyLevelCommand(state, 32843));
    EXPECT_EQ(state.transparency, 80);
    for (auto [id, ignored] : idCode) {
        EXPECT_FALSE(IsLevelCommandChecked(id, 33));
    }
}

TEST(MakeOpaqueAndTranslucent, ActOnlyWhereTranslucencyIsAvailable) {
    RecordingAlpha window;

    MakeOpaque(false, window);
    MakeTranslucent(false, 60, window);
    EXPECT_TRUE(window.calls.empty());

    MakeTranslucent(true, 60, window);
    MakeOpaque(true, window);
    MakeTranslucent(true, 1, window);
    EXPECT_EQ(window.calls, (std::vector<int>{144, 255, 255}));
}

} // namespace
} // namespace quill
