#include "settings/SettingsChoice.h"

#include "commands/DeleteAll.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct RecordingEntry : BrowserMenuEntry {
    std::vector<std::pair<bool, std::string>> calls;
    void Apply(bool integrate, const std::string& page) override {
        calls.emplace_back(integrate, page);
    }
};

TEST(SettingsChoice, EachRadioSavesTheLevelOfTheMenuItemOfItsPlace) {
    RecordingEntry entry;
    int radio = 0;
    for (const LevelCommand& level : LevelCommands()) {
        FrameSettings settings;
        SaveSettingsChoice({radio, true, true}, settings, entry, "page");
        EXPECT_EQ(settings.transparency, level.code) << level.item;
        EXPECT_EQ(SettingsChoiceFrom(settings).transparencyRadio, radio) << level.item;
        ++radio;
    }
    // A level no radio stands for shows none and survives a save.
    FrameSettings odd;
    odd.transparency = 55;
    EXPECT_EQ(SettingsChoiceFrom(odd).transparencyRadio, kNoTransparencyRadio);
    SaveSettingsChoice(SettingsChoiceFrom(odd), odd, entry, "page");
    EXPECT_EQ(odd.transparency, 55);
    EXPECT_FALSE(LevelForTransparencyRadio(radio));
}

TEST(SettingsChoice, SaveAppliesBothFlagsAndTheBrowserEntryAtOnce) {
    FrameSettings settings;
    RecordingEntry entry;
    for (bool on : {false, true}) {
        SaveSettingsChoice({kNoTransparencyRadio, on, !on}, settings, entry, "res://page");
        EXPECT_EQ(settings.integrate, on);
        EXPECT_EQ(settings.trackMouse, !on);
        EXPECT_EQ(SettingsChoiceFrom(settings).integrate, on);
        EXPECT_EQ(SettingsChoiceFrom(settings).trackMouse, !on);
        EXPECT_EQ(entry.calls.back(), (std::pair<bool, std::string>{on, "res://page"}));
    }
}

struct Answer : YesNoQuestion {
    explicit Answer(bool answer) : yes(answer) {}
    bool AskYes() override { return yes; }
    bool yes;
};

TEST(DeleteAll, YesEmptiesOneListAndItsFileNoChangesNothingAndFailuresAreReported) {
    test::StoreFolder data;
    data.WriteLinks("a|1\r\nb|2\r\n");
    data.WriteTasks("01.02.2030|10:00|t\r\n");
    data.store.Reload();
    Answer no(false);
    Answer yes(true);

    EXPECT_FALSE(DeleteAllLinks(data.store, no));
    EXPECT_FALSE(DeleteAllTasks(data.store, no));
    EXPECT_EQ(data.Links(), "a|1\r\nb|2\r\n");
    EXPECT_EQ(data.store.Tasks().size(), 1u);

    EXPECT_TRUE(DeleteAllLinks(data.store, yes));
    EXPECT_TRUE(data.store.Links().empty());
    EXPECT_EQ(data.Links(), "");
    EXPECT_EQ(data.Tasks(), "01.02.2030|10:00|t\r\n");
    EXPECT_TRUE(DeleteAllTasks(data.store, yes));
    EXPECT_EQ(data.Tasks(), "");

    // A file that cannot be rewritten keeps its content and is reported; the
    // list is emptied all the same.
    data.store.Links().push_back({"c", "3"});
    data.store.SetFolder((data.folder.Path() / "missing").string());
    EXPECT_TRUE(DeleteAllLinks(data.store, yes));
    EXPECT_TRUE(data.store.Links().empty());
    EXPECT_EQ(data.unsaved, std::vector<std::string>{data.store.LinkFilePath()});
}

} // namespace
} // namespace quill
