#include "startup/ProgramStart.h"

#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

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

struct ProgramStartTest : ::testing::Test {
    StartReport Start(std::string windowsFolder) {
        StartEnvironment environment{profile, runner, menuEntry, data.folder.Path().string(),
                                     std::move(windowsFolder)};
        return StartProgram(environment, data.store);
    }

    test::StoreFolder data;
    test::FakeProfile profile;
    RecordingRunner runner;
    RecordingMenuEntry menuEntry;
};

TEST_F(ProgramStartTest, TheFirstRunImportRunsTheRegistryEditorByItsFullPathOnce) {
    StartReport first = Start("C:\\Windows");
    EXPECT_TRUE(first.settings.firstRun);
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].program, "C:\\Windows\\regedit.exe");
    EXPECT_EQ(runner.runs[0].arguments, (std::vector<std::string>{"/s", "state.reg"}));
    EXPECT_EQ(runner.timeouts[0], 5000);

    StoreFrameSettings(first.settings, profile);
    Start("C:\\Windows");
    Start(""); // no registry editor here: nothing to run
    EXPECT_EQ(runner.runs.size(), 1u);
}

TEST_F(ProgramStartTest, ListsAreLoadedFromTheWorkingFolderAndTheMenuEntryApplied) {
    profile.Set("Status", "IsOpened", std::string("true"));
    profile.Set("Status", "Integrate", 0);
    data.WriteLinks("a.org|A\r\nb.org|B\r\n");
    data.store.SetFolder("/nowhere");

    StartReport report = Start("");

    EXPECT_EQ(report.extensionPage,
              "res://" + (data.folder.Path() / "Tapgrabber.dll").string() + "/GoFenwa.dll.htm");
    EXPECT_EQ(menuEntry.calls,
              (std::vector<std::pair<bool, std::string>>{{false, report.extensionPage}}));
    EXPECT_EQ(report.lists.links, LoadOutcome::Loaded);
    EXPECT_EQ(report.lists.tasks, LoadOutcome::CreatedNew);
    EXPECT_EQ(data.store.Links().size(), 2u);
}

} // namespace
} // namespace quill
