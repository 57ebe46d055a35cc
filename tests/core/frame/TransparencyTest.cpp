#include "frame/Transparency.h"

#include "frame/MainFrameState.h"
#include "frame/WindowAlpha.h"
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
        MainFrameState state;
        ReadFrameSettings(state, profile);
        EXPECT_EQ(state.m_transparency, code >= 1 && code <= 255 ? code : 80) << code;
    }
}

TEST(LevelCommands, StoreTheirCodesWithFortyAndSixtySwappedAndCheckOne) {
    MainFrameState state;
    const std::pair<int, int> idCode[] = {
        {32838, 1}, {32839, 20}, {32840, 60}, {32841, 40}, {32842, 80}};
    for (auto [id, code] : idCode) {
        ASSERT_TRUE(ApplyLevelCommand(state, id));
        EXPECT_EQ(state.m_transparency, code) << id;
        for (auto [other, ignored] : idCode) {
            EXPECT_EQ(IsLevelCommandChecked(other, code), other == id) << other << " " << code;
        }
    }
    EXPECT_FALSE(ApplyLevelCommand(state, 32843));
    EXPECT_EQ(state.m_transparency, 80);
    for (auto [id, ignored] : idCode) {
        EXPECT_FALSE(IsLevelCommandChecked(id, 33));
    }
}

TEST(MakeOpaqueAndTranslucent, ActOnlyWhereTranslucencyIsAvailable) {
    MainFrameState state;
    state.m_transparency = 60;
    RecordingAlpha window;

    MakeOpaque(state, window);
    MakeTranslucent(state, window);
    EXPECT_TRUE(window.calls.empty());

    state.m_bLayered = true;
    MakeTranslucent(state, window);
    MakeOpaque(state, window);
    state.m_transparency = 1;
    MakeTranslucent(state, window);
    EXPECT_EQ(window.calls, (std::vector<int>{144, 255, 255}));
}

} // namespace
} // namespace quill
