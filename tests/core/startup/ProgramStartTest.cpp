#include "startup/ProgramStart.h"

#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct ProgramStartTest : ::testing::Test, ProgramRunner, BrowserMenuEntry {
    void RunAndWait(const ProgramCommand& command, int timeoutMs) override {
        runs.push_back(command);
        EXPECT_EQ(timeoutMs, 5000);
    }
    void Apply(bool integrate, const std::string& page) override {
        menuCalls.emplace_back(integrate, page);
    }
    StartReport Start(std::string windowsFolder) {
        StartEnvironment environment{profile, *this, *this, data.folder.Path().string(),
                                     std::move(windowsFolder)};
        return StartProgram(environment, data.store);
    }

    test::StoreFolder data;
    test::FakeProfile profile;
    std::vector<ProgramCommand> runs;
    std::vector<std::pair<bool, std::string>> menuCalls;
};

TEST_F(ProgramStartTest, TheFirstRunImportRunsTheRegistryEditorByItsFullPathOnce) {
    StartReport first = Start("C:\\Windows");
    EXPECT_TRUE(first.settings.firstRun);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].program, "C:\\Windows\\regedit.exe");
    EXPECT_EQ(runs[0].arguments, (std::vector<std::string>{"/s", "state.reg"}));

    StoreFrameSettings(first.settings, profile);
    Start("C:\\Windows");
    Start(""); // no registry editor here: nothing to run
    EXPECT_EQ(runs.size(), 1u);
}

TEST_F(ProgramStartTest, ListsAreLoadedFromTheWorkingFolderAndTheMenuEntryApplied) {
    profile.Set("Status", "IsOpened", std::string("true"));
    profile.Set("Status", "Integrate", 0);
    data.WriteLinks("a.org|A\r\nb.org|B\r\n");
    data.store.SetFolder("/nowhere");
    StartReport report = Start("");
    EXPECT_EQ(report.extensionPage,
              "res://" + (data.folder.Path() / "Tapgrabber.dll").string() + "/GoFenwa.dll.htm");
    EXPECT_EQ(menuCalls,
              (std::vector<std::pair<bool, std::string>>{{false, report.extensionPage}}));
    EXPECT_EQ(report.lists.links, LoadOutcome::Loaded);
    EXPECT_EQ(report.lists.tasks, LoadOutcome::CreatedNew);
    EXPECT_EQ(data.store.Links().size(), 2u);
}

} // namespace
} // namespace quill
