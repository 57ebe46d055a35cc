#include "settings/SettingsChoice.h"

#include "commands/DeleteAll.h"
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

TEST(FrameSettings, ProfileValuesAreReadWithTheirDefaultsAndFirstRunRules) {
    const std::pair<std::map<std::string, test::FakeProfile::Value>, FrameSettings> cases[] = {
        {{}, {true, true, 80, true}},
        {{{"IsOpened", "true"}, {"Integrate", 0}, {"Track mouse", 0}, {"Percent", 20}},
         {false, false, 20, false}},
        // Any non-zero flag is on; "Track mouse" absent after the first run reads as on.
        {{{"IsOpened", "true"}, {"Integrate", -7}, {"Percent", 256}}, {true, true, 80, false}},
        // "IsOpened" is case-sensitive, and a first run forces tracking on.
        {{{"IsOpened", "True"}, {"Track mouse", 0}, {"Percent", 255}}, {true, true, 255, true}},
    };
    for (const auto& [stored, expected] : cases) {
        test::FakeProfile profile;
        for (const auto& [name, value] : stored) {
            profile.Set("Status", name, value);
        }
        EXPECT_EQ(Fields(ReadFrameSettings(profile)), Fields(expected)) << stored.size();
    }
}

TEST(FrameSettings, StoredSettingsReadBackAsTheyWereAfterTheFirstRun) {
    for (bool on : {false, true}) {
        test::FakeProfile profile;
        EXPECT_TRUE(StoreFrameSettings({on, !on, on ? 40 : 1, true}, profile));
        EXPECT_EQ(Fields(ReadFrameSettings(profile)), Fields({on, !on, on ? 40 : 1, false}));
    }
    test::FakeProfile refusing;
    refusing.failWrites = true;
    EXPECT_FALSE(StoreFrameSettings(FrameSettings{}, refusing));
}

struct RecordingEntry : BrowserMenuEntry {
    std::vector<std::pair<bool, std::string>> calls;
    void Apply(bool integrate, const std::string& page) override {
        calls.emplace_back(integrate, page);
    }
};

TEST(SettingsChoice, SaveAppliesTheRadiosLevelBothFlagsAndTheBrowserEntryAtOnce) {
    RecordingEntry entry;
    int radio = 0;
    for (const LevelCommand& level : LevelCommands()) {
        const bool on = radio % 2;
        FrameSettings settings;
        SaveSettingsChoice({radio, on, !on}, settings, entry, "res://page");
        EXPECT_EQ(settings.transparency, level.code) << level.item;
        EXPECT_EQ(std::tuple(settings.integrate, settings.trackMouse), std::tuple(on, !on));
        const SettingsChoice shown = SettingsChoiceFrom(settings);
        EXPECT_EQ(std::tuple(shown.transparencyRadio, shown.integrate, shown.trackMouse),
                  std::tuple(radio, on, !on));
        EXPECT_EQ(entry.calls.back(), (std::pair<bool, std::string>{on, "res://page"}));
        ++radio;
    }
    EXPECT_FALSE(LevelForTransparencyRadio(radio));
    // A level no radio stands for shows none and survives a save.
    FrameSettings odd;
    odd.transparency = 55;
    EXPECT_EQ(SettingsChoiceFrom(odd).transparencyRadio, kNoTransparencyRadio);
    SaveSettingsChoice(SettingsChoiceFrom(odd), odd, entry, "page");
    EXPECT_EQ(odd.transparency, 55);
}

struct Answer : YesNoQuestion {
    bool yes = false;
    bool AskYes() override { return yes; }
};

TEST(DeleteAll, YesEmptiesOneListAndItsFileNoChangesNothingAndFailuresAreReported) {
    test::StoreFolder data;
    data.WriteLinks("a|1\r\nb|2\r\n");
    data.WriteTasks("01.02.2030|10:00|t\r\n");
    data.store.Reload();
    Answer answer;
    EXPECT_FALSE(DeleteAllLinks(data.store, answer) || DeleteAllTasks(data.store, answer));
    EXPECT_EQ(data.Links(), "a|1\r\nb|2\r\n");
    EXPECT_EQ(data.store.Tasks().size(), 1u);

    answer.yes = true;
    EXPECT_TRUE(DeleteAllLinks(data.store, answer));
    EXPECT_TRUE(data.store.Links().empty());
    EXPECT_EQ(data.Links() + "/" + data.Tasks(), "/01.02.2030|10:00|t\r\n");
    EXPECT_TRUE(DeleteAllTasks(data.store, answer));
    EXPECT_EQ(data.Tasks(), "");

    // A file that cannot be rewritten keeps its content and is reported; the
    // list is emptied all the same.
    data.store.Links().push_back({"c", "3"});
    data.store.SetFolder((data.folder.Path() / "missing").string());
    EXPECT_TRUE(DeleteAllLinks(data.store, answer));
    EXPECT_TRUE(data.store.Links().empty());
    EXPECT_EQ(data.unsaved, std::vector<std::string>{data.store.LinkFilePath()});
}

} // namespace
} // namespace quill
