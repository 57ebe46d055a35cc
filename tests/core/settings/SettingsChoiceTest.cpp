#include "settings/SettingsChoice.h"
#include "frame/MainFrameState.h"
#include "integration/BrowserMenuEntry.h"
#include "links/LinkFile.h"
#include "support/TempFolder.h"
#include "tasks/TaskFile.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using test::TempFolder;

TEST(TransparencyRadios, LabelsMeanTheTrayMenuLevelsBothWays) {
    const std::vector<std::pair<int, int>> radioLevel{{0, 1}, {1, 20}, {2, 60}, {3, 40}, {4, 80}};
    for (auto [radio, level] : radioLevel) {
        EXPECT_EQ(TransparencyRadioForLevel(level), radio) << level;
        EXPECT_EQ(LevelForTransparencyRadio(radio), level) << radio;
    }
    for (int level : {0, -1, 2, 30, 50, 81, 100}) {
        EXPECT_EQ(TransparencyRadioForLevel(level), kNoTransparencyRadio) << level;
    }
    for (int radio : {kNoTransparencyRadio, 5, 100}) {
        EXPECT_FALSE(LevelForTransparencyRadio(radio)) << radio;
    }
}

class RecordingEntry : public BrowserMenuEntry {
public:
    std::vector<std::pair<bool, std::string>> calls;
    void Apply(bool integrate, const std::string& page) override {
        calls.emplace_back(integrate, page);
    }
};

TEST(SettingsChoice, ShowsTheFrameAndSaveAppliesFlagsLevelAndEntryAtOnce) {
    MainFrameState state;
    state.m_transparency = 60;
    state.m_bIntegrate = false;
    state.m_bTrackMouse = true;
    state.m_extensionPage = "res://page";
    SettingsChoice choice = SettingsChoiceFromFrame(state);
    EXPECT_EQ(choice.transparencyRadio, 2);
    EXPECT_FALSE(choice.integrate);
    EXPECT_TRUE(choice.trackMouse);

    choice.transparencyRadio = 3;
    choice.integrate = true;
    choice.trackMouse = false;
    RecordingEntry entry;
    SaveSettingsChoice(choice, state, entry);
    EXPECT_EQ(state.m_transparency, 40);
    EXPECT_TRUE(state.m_bIntegrate);
    EXPECT_FALSE(state.m_bTrackMouse);
    EXPECT_EQ(entry.calls, (std::vector<std::pair<bool, std::string>>{{true, "res://page"}}));

    choice.integrate = false;
    SaveSettingsChoice(choice, state, entry);
    EXPECT_EQ(entry.calls.back(), (std::pair<bool, std::string>{false, "res://page"}));

    // A level none of the radios stands for survives a save.
    state.m_transparency = 55;
    choice = SettingsChoiceFromFrame(state);
    EXPECT_EQ(choice.transparencyRadio, kNoTransparencyRadio);
    SaveSettingsChoice(choice, state, entry);
    EXPECT_EQ(state.m_transparency, 55);
}

class Answer : public YesNoQuestion {
public:
    explicit Answer(bool yes) : m_yes(yes) {}
    bool AskYes() override {
        ++asked;
        return m_yes;
    }
    int asked = 0;

private:
    bool m_yes;
};

TEST(DeleteAll, YesEmptiesOneListAndItsFileAndNoChangesNothing) {
    TempFolder folder;
    folder.Write("qmlinks.qbx", "a|1\r\nb|2\r\n");
    folder.Write("qmtasks.qbx", "01.02.2030|10:00|t\r\n");
    MainFrameState state;
    state.m_linkFilePath = folder.File("qmlinks.qbx");
    state.m_taskFilePath = folder.File("qmtasks.qbx");
    ReloadLists(state);
    Answer no(false);
    Answer yes(true);

    EXPECT_FALSE(DeleteAllLinks(state, no));
    EXPECT_FALSE(DeleteAllTasks(state, no));
    EXPECT_EQ(state.m_links.size(), 2u);
    EXPECT_EQ(state.m_tasks.size(), 1u);
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "a|1\r\nb|2\r\n");

    EXPECT_TRUE(DeleteAllLinks(state, yes));
    EXPECT_TRUE(state.m_links.empty());
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "");
    EXPECT_EQ(folder.Read("qmtasks.qbx"), "01.02.2030|10:00|t\r\n");
    EXPECT_TRUE(DeleteAllTasks(state, yes));
    EXPECT_EQ(folder.Read("qmtasks.qbx"), "");
    EXPECT_EQ(yes.asked, 2);

    // A file that cannot be rewritten keeps its content; the list is emptied all the same.
    folder.Write("qmlinks.qbx", "a|1\r\n");
    ReloadLists(state);
    state.m_linkFilePath = folder.File("missing-folder/qmlinks.qbx");
    EXPECT_TRUE(DeleteAllLinks(state, yes));
    EXPECT_TRUE(state.m_links.empty());
    EXPECT_EQ(folder.Read("qmlinks.qbx"), "a|1\r\n");
}

} // namespace
} // namespace quill
