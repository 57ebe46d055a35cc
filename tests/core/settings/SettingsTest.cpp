#include "core/settings/SettingsChoice.h"

#include "core/commands/DeleteAll.h"
#include "core/settings/Transparency.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace quill {
namespace {

auto Fields(const FrameSettings& s) {
    return std::tuple(s.integrate, s.trackMouse, s.transparency, s.firstRun);
}

TEST(FrameSettings, ReadWithTheirDefaultsAndFirstRunRulesAndStoredBack) {
    const std::pair<std::map<std::string, std::string>, FrameSettings> cases[] = {
        {{}, {true, true, 80, true}},
        {{{"IsOpened", "true"}, {"Integrate", "0"}, {"Track mouse", "0"}, {"Percent", "20"}},
         {false, false, 20, false}},
        // Any non-zero flag is on; "Track mouse" absent after the first run reads as on.
        {{{"IsOpened", "true"}, {"Integrate", "-7"}, {"Percent", "256"}}, {true, true, 80, false}},
        // "IsOpened" is case-sensitive, and a first run forces tracking on.
        {{{"IsOpened", "True"}, {"Track mouse", "0"}, {"Percent", "255"}},
         {true, true, 255, true}}};
    for (const auto& [stored, expected] : cases) {
        test::FakeProfile profile;
        for (const auto& [name, value] : stored) {
            profile.values[{"Status", name}] = value;
        }
        EXPECT_EQ(Fields(ReadFrameSettings(profile)), Fields(expected)) << stored.size();
    }
    // Stored settings read back as they were, after the first run.
    for (bool on : {false, true}) {
        test::FakeProfile profile;
        EXPECT_TRUE(StoreFrameSettings({on, !on, on ? 40 : 1, true}, profile));
        EXPECT_EQ(Fields(ReadFrameSettings(profile)), Fields({on, !on, on ? 40 : 1, false}));
        // Earlier versions wrote and read the switches as the integers 1 and 0.
        EXPECT_EQ(profile.ReadInt("Status", "Integrate"), on ? 1 : 0);
        EXPECT_EQ(profile.ReadInt("Status", "Track mouse"), on ? 0 : 1);
        for (const char* name : {"Percent", "IsOpened", "Integrate", "Track mouse"}) {
            profile.failing = name;
            EXPECT_FALSE(StoreFrameSettings(FrameSettings{}, profile)) << name;
        }
    }
}

// "&40%" stores 60 and "&60%" 40: profiles of earlier versions rely on them.
// The settings dialog's radios follow the menu order; its Save applies the
// level, both flags and the browser entry at once.
TEST(LevelCommands, StoreTheirCodeCheckOnlyTheirItemAndMatchTheRadios) {
    struct : BrowserMenuEntry {
        void Apply(bool integrate) override { calls.push_back(integrate); }
        std::vector<bool> calls;
    } entry;
    std::vector<std::pair<std::string_view, int>> stored;
    int radio = 0;
    for (const LevelCommand& level : LevelCommands()) {
        FrameSettings menu;
        ASSERT_TRUE(ApplyLevelCommand(menu, level.id));
        stored.emplace_back(level.item, menu.transparency);
        for (const LevelCommand& other : LevelCommands()) {
            EXPECT_EQ(IsLevelCommandChecked(other.id, level.code), other.id == level.id);
            EXPECT_FALSE(IsLevelCommandChecked(other.id, 33));
        }
        const bool on = radio % 2;
        FrameSettings settings;
        SaveSettingsChoice({radio, on, !on}, settings, entry);
        EXPECT_EQ(std::tuple(settings.transparency, settings.integrate, settings.trackMouse),
                  std::tuple(menu.transparency, on, !on));
        const SettingsChoice shown = SettingsChoiceFrom(settings);
        EXPECT_EQ(std::tuple(shown.transparencyRadio, shown.integrate, shown.trackMouse),
                  std::tuple(radio++, on, !on));
        EXPECT_EQ(entry.calls.back(), on);
    }
    EXPECT_EQ(stored, (decltype(stored){
                          {"&No", 1}, {"&20%", 20}, {"&40%", 60}, {"&60%", 40}, {"&80%", 80}}));
    EXPECT_FALSE(LevelForTransparencyRadio(radio));
    // A level no command or radio stands for shows none and survives a save.
    FrameSettings odd;
    odd.transparency = 55;
    EXPECT_FALSE(ApplyLevelCommand(odd, LevelCommands().back().id + 1));
    EXPECT_EQ(SettingsChoiceFrom(odd).transparencyRadio, kNoTransparencyRadio);
    SaveSettingsChoice(SettingsChoiceFrom(odd), odd, entry);
    EXPECT_EQ(odd.transparency, 55);
}

TEST(DeleteAll, YesEmptiesOneListAndItsFileNoChangesNothing) {
    test::StoreFolder data;
    data.WriteLinks("a|1\r\n");
    data.WriteTasks("01.02.2030|10:00|t\r\n");
    data.store.Reload();
    struct : YesNoQuestion {
        bool yes = false;
        bool AskYes() override { return yes; }
    } answer;
    EXPECT_FALSE(DeleteAllLinks(data.store, answer) || DeleteAllTasks(data.store, answer));
    EXPECT_EQ(data.store.Links().size() + data.store.Tasks().size(), 2u);
    answer.yes = true;
    EXPECT_TRUE(DeleteAllLinks(data.store, answer));
    EXPECT_EQ(data.Links() + "/" + data.Tasks(), "/01.02.2030|10:00|t\r\n");
    EXPECT_TRUE(DeleteAllTasks(data.store, answer));
    EXPECT_TRUE(data.store.Links().empty() && data.store.Tasks().empty() && data.Tasks().empty());
}

// Alpha of the five levels, the unset level and codes where only the low byte
// of the product counts; stored codes outside 1 to 255 read as 80 so the
// window never vanishes.
TEST(LevelCodes, GiveTheirAlphaAndOnlyValidOnesSurviveBeingStored) {
    const std::pair<int, int> codeAlpha[] = {{1, 255}, {20, 176}, {40, 88},  {60, 144},
                                             {80, 44}, {0, 44},   {33, 188}, {2, 156},
                                             {256, 0}, {-1, 100}}; // -1: two's complement
    for (auto [code, alpha] : codeAlpha) {
        EXPECT_EQ(AlphaForLevel(code), alpha) << code;
    }
    const std::pair<int, int> storedRead[] = {{1, 1}, {255, 255}, {0, 80}, {256, 80}, {-1, 80}};
    for (auto [stored, read] : storedRead) {
        EXPECT_EQ(SanitizeStoredLevel(stored), read) << stored;
    }
}

} // namespace
} // namespace quill
