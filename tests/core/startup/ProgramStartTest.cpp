#include "startup/ProgramStart.h"
#include "integration/FirstRunImport.h"

#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct ProgramStartTest : ::testing::Test, ProgramRunner, BrowserMenuEntry {
    void RunAndWait(const ProgramCommand& command, int) override { runs.push_back(command); }
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

TEST_F(ProgramStartTest, ImportsOnTheFirstRunOnlyLoadsTheListsAndAppliesTheMenuEntry) {
    data.WriteLinks("a.org|A\r\nb.org|B\r\n");
    data.store.SetFolder("/nowhere");
    StartReport first = Start("C:\\Windows");
    EXPECT_TRUE(first.settings.firstRun);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].program, "C:\\Windows\\regedit.exe"); // by its full path
    EXPECT_EQ(FirstRunImportCommand("/win/")->program, "/win/regedit.exe");
    EXPECT_EQ(runs[0].arguments, (std::vector<std::string>{"/s", "state.reg"}));
    EXPECT_EQ(first.extensionPage,
              "res://" + (data.folder.Path() / "Tapgrabber.dll").string() + "/GoFenwa.dll.htm");
    EXPECT_EQ(std::tuple(first.lists.links, first.lists.tasks, data.store.Links().size()),
              std::tuple(LoadOutcome::Loaded, LoadOutcome::CreatedNew, 2u));

    first.settings.integrate = false;
    StoreFrameSettings(first.settings, profile);
    Start("C:\\Windows");
    Start(""); // no registry editor here: nothing to run
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_EQ(menuCalls, (std::vector<std::pair<bool, std::string>>{{true, first.extensionPage},
                                                                    {false, first.extensionPage},
                                                                    {false, first.extensionPage}}));
}

} // namespace
} // namespace quill
