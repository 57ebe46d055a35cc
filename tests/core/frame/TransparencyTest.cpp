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
    EXPECT_EQ(AlphaForLevel(1), 255);
    EXPECT_EQ(AlphaForLevel(20), 176);
    EXPECT_EQ(AlphaForLevel(40), 88);
    EXPECT_EQ(AlphaForLevel(60), 144);
    EXPECT_EQ(AlphaForLevel(80), 44);

    EXPECT_EQ(AlphaForLevel(2), 156);   // 127 * 100 = 12700
    EXPECT_EQ(AlphaForLevel(33), 188);  // 7 * 100
    EXPECT_EQ(AlphaForLevel(100), 200); // 2 * 100
    EXPECT_EQ(AlphaForLevel(255), 100);
    EXPECT_EQ(AlphaForLevel(256), 0);
    EXPECT_EQ(AlphaForLevel(100000), 0);
    EXPECT_EQ(AlphaForLevel(-1), 100); // -25500 in two's complement
    EXPECT_EQ(AlphaForLevel(0), AlphaForLevel(80));
}

TEST(StoredLevel, OutsideOneTo255ReadsAsEightySoTheWindowNeverVanishes) {
    for (int code : {1, 20, 40, 60, 80, 33, 255}) {
        EXPECT_EQ(SanitizeStoredLevel(code), code);
    }
    for (int code : {0, 256, 1000, -1, -80}) {
        EXPECT_EQ(SanitizeStoredLevel(code), 80) << code;
    }

    test::FakeProfile profile;
    profile.Set("Status", "Percent", 300);
    MainFrameState state;
    ReadFrameSettings(state, profile);
    EXPECT_EQ(state.m_transparency, 80);
}

TEST(LevelCommands, StoreTheirCodesWithFortyAndSixtySwapped) {
    MainFrameState state;
    const std::vector<std::pair<int, int>> expected{
        {32838, 1}, {32839, 20}, {32840, 60}, {32841, 40}, {32842, 80}};
    for (auto [id, code] : expected) {
        ASSERT_TRUE(ApplyLevelCommand(state, id));
        EXPECT_EQ(state.m_transparency, code) << id;
    }
    EXPECT_FALSE(ApplyLevelCommand(state, 32843));
    EXPECT_EQ(state.m_transparency, 80);

    std::vector<int> alphas;
    for (const LevelCommand& command : LevelCommands()) {
        alphas.push_back(AlphaForLevel(command.code));
    }
    EXPECT_EQ(alphas, (std::vector<int>{255, 176, 144, 88, 44}));
}

TEST(LevelCommands, ExactlyOneCheckMarkAndNoneForAnUnknownCode) {
    auto checked = [](int code) {
        std::vector<int> ids;
        for (const LevelCommand& command : LevelCommands()) {
            if (IsLevelCommandChecked(command.id, code)) {
                ids.push_back(command.id);
            }
        }
        return ids;
    };
    EXPECT_EQ(checked(1), std::vector<int>{32838});
    EXPECT_EQ(checked(60), std::vector<int>{32840});
    EXPECT_EQ(checked(40), std::vector<int>{32841});
    EXPECT_EQ(checked(33), std::vector<int>{});
    EXPECT_FALSE(IsLevelCommandChecked(32843, 80));
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
