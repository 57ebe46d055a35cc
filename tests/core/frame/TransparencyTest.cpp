#include "settings/Transparency.h"

#include "frame/WindowAlpha.h"
#include "settings/FrameSettings.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quill {
namespace {

// Alphas the window really shows for the five levels, the unset level, and
// codes where only the low byte of the product counts.
TEST(AlphaForLevel, OnlyLevelOneIsOpaque) {
    const std::pair<int, int> codeAlpha[] = {{1, 255}, {20, 176}, {40, 88},  {60, 144},
                                             {80, 44}, {0, 44},   {33, 188}, {256, 0}};
    for (auto [code, alpha] : codeAlpha) {
        EXPECT_EQ(AlphaForLevel(code), alpha) << code;
    }
}

TEST(AlphaForLevel, AStoredLevelOutsideOneTo255ReadsAsEightySoTheWindowNeverVanishes) {
    for (int code : {1, 255, 0, 256, -1}) {
        EXPECT_EQ(SanitizeStoredLevel(code), code >= 1 && code <= 255 ? code : 80) << code;
    }
}

// The codes each label stores, "&40%" storing 60 and "&60%" 40: profiles of earlier
// versions rely on them.
TEST(LevelCommands, EachItemStoresItsCodeAndCarriesTheOnlyCheck) {
    const auto items = LevelCommands();
    ASSERT_EQ(items.size(), 5u);
    auto codeOf = [&](std::string_view label) {
        auto item =
            std::find_if(items.begin(), items.end(), [&](auto& i) { return i.item == label; });
        return item == items.end() ? std::nullopt : LevelCodeForCommand(item->id);
    };
    for (auto [label, code] :
         {std::pair{"&No", 1}, {"&20%", 20}, {"&40%", 60}, {"&60%", 40}, {"&80%", 80}}) {
        EXPECT_EQ(codeOf(label), code) << label;
    }
    FrameSettings state;
    for (const LevelCommand& item : items) {
        ASSERT_TRUE(ApplyLevelCommand(state, item.id));
        EXPECT_EQ(state.transparency, item.code);
        for (const LevelCommand& other : items) {
            EXPECT_EQ(IsLevelCommandChecked(other.id, item.code), other.id == item.id);
        }
    }
    EXPECT_FALSE(ApplyLevelCommand(state, items[4].id + 1));
    EXPECT_EQ(state.transparency, items[4].code);
    EXPECT_FALSE(IsLevelCommandChecked(items[0].id, 33));
}

// Where the window has no alpha, it is never asked to change it.
TEST(MakeOpaqueAndTranslucent, DoNothingWhereTranslucencyIsNotAvailable) {
    struct NoAlpha : WindowAlpha {
        void SetAlpha(std::uint8_t) override { ADD_FAILURE() << "alpha set"; }
    } window;
    MakeOpaque(false, window);
    MakeTranslucent(false, 60, window);
}

} // namespace
} // namespace quill
