#include "frame/MainFrameState.h"

#include "app/ProgramRunner.h"
#include "integration/BrowserMenuEntry.h"
#include "settings/ProfileValues.h"
#include "support/FakeProfile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace quill {
namespace {

struct RecordingRunner : ProgramRunner {
    void RunAndWait(const ProgramCommand& command, int timeoutMs) override {
        runs.push_back(command);
        timeouts.push_back(timeoutMs);
    }
    std::vector<ProgramCommand> runs;
    std::vector<int> timeouts;
};

struct RecordingMenuEntry : BrowserMenuEntry {
    void Apply(bool integrate, const std::string& page) override {
        calls.emplace_back(integrate, page);
    }
    std::vector<std::pair<bool, std::string>> calls;
};

class MainFrameStateTest : public ::testing::Test {
protected:
    MainFrameStateTest() { fs::create_directory(folder.Path() / "Data"); }

    ListsLoadReport Construct(std::string windowsFolder = "") {
        FrameEnvironment environment{profile, runner, menuEntry, folder.Path().string(),
                                     std::move(windowsFolder)};
        return ConstructFrameState(state, environment);
    }

    test::TempFolder folder;
    test::FakeProfile profile;
    RecordingRunner runner;
    RecordingMenuEntry menuEntry;
    MainFrameState state;
};

TEST_F(MainFrameStateTest, ProfileValuesAreReadWithTheirDefaultsAndFirstRunRules) {
    using Values = std::map<std::string, test::FakeProfile::Value>;
    struct Case {
        Values stored;
        bool firstRun, integrate, trackMouse;
        int transparency;
    };
    const Case cases[] = {
        {{}, true, true, true, 80},
        {{{"IsOpened", "true"}, {"Integrate", 0}, {"Track mouse", 0}, {"Percent", 20}},
         false,
         false,
         false,
         20},
        // Any non-zero flag is on; "Track mouse" absent after the first run reads as on.
        {{{"IsOpened", "true"}, {"Integrate", -7}}, false, true, true, 80},
        // "IsOpened" is case-sensitive, and a first run forces tracking on.
        {{{"IsOpened", "True"}, {"Track mouse", 0}}, true, true, true, 80},
    };
    for (const Case& c : cases) {
        profile.values.clear();
        for (const auto& [name, value] : c.stored) {
            profile.Set("Status", name, value);
        }
        state = MainFrameState{};
        Construct();
        EXPECT_EQ(state.m_bFirstRun, c.firstRun);
        EXPECT_EQ(state.m_bIntegrate, c.integrate);
        EXPECT_EQ(state.m_bTrackMouse, c.trackMouse);
        EXPECT_EQ(state.m_transparency, c.transparency);
    }
    EXPECT_TRUE(runner.runs.empty()); // no registry editor here: the import is skipped
}

TEST_F(MainFrameStateTest, FirstRunImportRunsTheRegistryEditorByItsFullPathOnce) {
    Construct("C:\\Windows");

    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].program, "C:\\Windows\\regedit.exe");
    EXPECT_EQ(runner.runs[0].arguments, (std::vector<std::string>{"/s", "state.reg"}));
    EXPECT_EQ(runner.timeouts[0], 5000);

    StoreFrameSettings(state, profile);
    MainFrameState second;
    FrameEnvironment environment{profile, runner, menuEntry, folder.Path().string(), "C:\\Windows"};
    ConstructFrameState(second, environment);

    EXPECT_EQ(runner.runs.size(), 1u);
}

TEST_F(MainFrameStateTest, ListsAreLoadedFromTheWorkingFolderAndMenuEntryApplied) {
    profile.Set("Status", "Integrate", 0);
    folder.Write("Data/qmlinks.qbx", "a.org|A\r\nb.org|B\r\n");

    ListsLoadReport report = Construct();

    EXPECT_EQ(state.m_linkFilePath, (folder.Path() / "Data" / "qmlinks.qbx").string());
    EXPECT_EQ(state.m_taskFilePath, (folder.Path() / "Data" / "qmtasks.qbx").string());
    EXPECT_EQ(state.m_extensionPage,
              "res://" + (folder.Path() / "Tapgrabber.dll").string() + "/GoFenwa.dll.htm");
    ASSERT_EQ(menuEntry.calls.size(), 1u);
    EXPECT_EQ(menuEntry.calls[0], std::make_pair(false, state.m_extensionPage));
    EXPECT_EQ(report.links, LoadOutcome::Loaded);
    EXPECT_EQ(report.tasks, LoadOutcome::CreatedNew);
    EXPECT_EQ(state.m_links.size(), 2u);
    EXPECT_TRUE(fs::exists(folder.Path() / "Data" / "qmtasks.qbx"));
}

TEST_F(MainFrameStateTest, StoreWritesTheFourValuesInOrder) {
    Construct();
    state.m_transparency = 40;
    state.m_bIntegrate = false;

    StoreFrameSettings(state, profile);

    EXPECT_EQ(profile.writes,
              (std::vector<std::string>{"Percent", "IsOpened", "Integrate", "Track mouse"}));
    EXPECT_EQ(ReadInt(profile, values::kPercent), 40);
    EXPECT_EQ(ReadString(profile, values::kIsOpened), "true");
    EXPECT_EQ(ReadInt(profile, values::kIntegrate), 0);
    EXPECT_EQ(ReadInt(profile, values::kTrackMouse), 1);
}

TEST_F(MainFrameStateTest, ReloadReplacesTheListsAndKeepsRemindersOfUnchangedTasksOnly) {
    folder.Write("Data/qmtasks.qbx", "01.01.2030|10:00|a\r\n"
                                     "01.01.2030|10:00|b\r\n"
                                     "01.01.2030|10:00|c\r\n");
    Construct();
    for (TaskRecord& task : state.m_tasks) {
        task.reminded = true;
    }
    state.m_links.push_back({"only", "in memory"});
    folder.Write("Data/qmlinks.qbx", "new.org|from outside\r\n");
    // From outside: "a" removed, "b" moved to another time, "d" added before "c".
    folder.Write("Data/qmtasks.qbx", "01.01.2030|10:05|b\r\n"
                                     "01.01.2030|10:00|d\r\n"
                                     "01.01.2030|10:00|c\r\n");

    ReloadLists(state);

    EXPECT_EQ(state.m_links, (std::vector<LinkRecord>{{"new.org", "from outside"}}));
    ASSERT_EQ(state.m_tasks.size(), 3u);
    EXPECT_FALSE(state.m_tasks[0].reminded); // time changed
    EXPECT_FALSE(state.m_tasks[1].reminded); // new
    EXPECT_TRUE(state.m_tasks[2].reminded);  // unchanged
}

TEST(CarryOverReminders, DuplicatesAreMatchedOneToOneInOrder) {
    std::vector<TaskRecord> previous{{"d", "t", "same", true}, {"d", "t", "same", false}};
    std::vector<TaskRecord> reloaded{{"d", "t", "same"}, {"d", "t", "same"}, {"d", "t", "same"}};

    CarryOverReminders(previous, reloaded);

    EXPECT_TRUE(reloaded[0].reminded);
    EXPECT_FALSE(reloaded[1].reminded);
    EXPECT_FALSE(reloaded[2].reminded);
}

} // namespace
} // namespace quill
