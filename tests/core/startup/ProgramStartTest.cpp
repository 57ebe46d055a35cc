#include "core/startup/ProgramStart.h"

#include "core/app/Autostart.h"
#include "core/app/WindowSystemChoice.h"
#include "core/app/WorkingFolder.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quill {
namespace {

// Wayland sessions run on XWayland unless the user asks otherwise; what cannot work
// is refused in one line before Qt starts. Each case: the platform, or the failure.
TEST(WindowSystem, WaylandSessionsRunOnX11UnlessTheUserAskedOtherwise) {
    const std::tuple<WindowSystemFacts, const char*, const char*> cases[] = {
        // clang-format off
        {{.waylandSession = true, .waylandDisplay = true, .x11 = true}, "xcb", ""},
        {{.x11 = true}, "", ""},
        {{.requested = "wayland", .requestedFrom = "QT_QPA_PLATFORM", .waylandSession = true,
          .waylandDisplay = true, .x11 = true}, "",
         "quillmark: QT_QPA_PLATFORM asks for wayland, but Qt's Wayland plug-in is not "
         "installed (package qt6-wayland)"},
        {{.requested = "wayland;xcb", .requestedFrom = "-platform", .waylandSession = true,
          .waylandDisplay = true, .x11 = true}, "xcb", ""},
        {{.requested = "wayland;xcb", .requestedFrom = "-platform", .waylandSession = true,
          .waylandDisplay = true, .waylandPlugin = true, .x11 = true}, "wayland", ""},
        {{.requested = "wayland", .requestedFrom = "-platform", .waylandSession = true,
          .waylandPlugin = true, .x11 = true}, "", "no Wayland display"},
        {{.requested = "xcb", .requestedFrom = "-platform", .waylandSession = true,
          .waylandPlugin = true}, "", "no X11 display"},
        {{.requested = "offscreen", .requestedFrom = "-platform", .waylandSession = true,
          .waylandPlugin = true}, "offscreen", ""},
        // clang-format on
        // Wayland without X11: Wayland with its limits said, or a plain refusal.
        {{.waylandSession = true, .waylandDisplay = true, .waylandPlugin = true}, "wayland", ""},
        {{.waylandSession = true, .waylandDisplay = true}, "", "no X11 (XWayland)"},
        {{}, "", "no display"}};
    for (const auto& [facts, platform, failure] : cases) {
        const WindowSystemChoice choice = ChooseWindowSystem(facts);
        EXPECT_EQ(choice.platform, platform) << facts.requested << failure;
        EXPECT_TRUE(choice.failure.empty() != *failure &&
                    choice.failure.find(failure) != std::string::npos)
            << choice.failure;
    }
    const WindowSystemChoice wayland = ChooseWindowSystem(std::get<0>(cases[4]));
    EXPECT_NE(wayland.notice.find("stay on top"), std::string::npos);
}

TEST(Autostart, EntryQuotesTheProgramPathAndIsWrittenOrRemoved) {
    for (const auto& [program, exec] : std::vector<std::pair<std::string, std::string>>{
             {"/usr/bin/quillmark", "Exec=/usr/bin/quillmark"},
             {"/opt/my apps/quillmark", R"(Exec="/opt/my apps/quillmark")"},
             {"/opt/100%/quillmark", "Exec=/opt/100%%/quillmark"},
             {R"(/opt/a"b$c\d/quillmark)", R"(Exec="/opt/a\\"b\\$c\\\\d/quillmark")"}}) {
        // Started hidden: in the tray, or minimised where there is none.
        EXPECT_NE(AutostartEntryText(program, "").find("\n" + exec + " --hide\n"),
                  std::string::npos)
            << program;
    }
    // The working folder, when there is one, is where the program starts.
    EXPECT_NE(AutostartEntryText("/p", "/w").find("\nPath=/w\n"), std::string::npos);
    EXPECT_EQ(AutostartEntryText("/p", "").find("Path="), std::string::npos);
    test::TempFolder home;
    const std::string path = AutostartFilePath(home.Path().string(), "relative/ignored");
    EXPECT_EQ(path, home.File(".config/autostart/quillmark.desktop"));
    EXPECT_FALSE(IsAutostartOn(path));
    ASSERT_TRUE(SetAutostart(path, true, "[Desktop Entry]\n"));
    EXPECT_EQ(home.Read(".config/autostart/quillmark.desktop"), "[Desktop Entry]\n");
    EXPECT_TRUE(SetAutostart(path, false, "") && !IsAutostartOn(path));
    EXPECT_TRUE(SetAutostart(path, false, "")); // already off
    home.Write("config", "a file where the folder should be");
    EXPECT_FALSE(SetAutostart(AutostartFilePath("/", home.File("config")), true, "x"));
}

TEST(WorkingFolder, FollowsAnAbsoluteXdgDataHome) {
    EXPECT_EQ(UserWorkingFolder("/home/u", ""), "/home/u/.local/share/Quillmark");
    EXPECT_EQ(UserWorkingFolder("/home/u/", "/data/"), "/data/Quillmark");
    EXPECT_EQ(UserWorkingFolder("/home/u", "relative"), "/home/u/.local/share/Quillmark");
}

struct WorkingFolderTest : ::testing::Test {
    void SetUp() override {
        std::filesystem::create_directories(root.Path() / "shipped");
        root.Write("shipped/2.css", "shipped style");
        root.Write("shipped/p.gif", "GIF");
        root.Write("shipped/back.gif", "GIF");
        ASSERT_EQ(FindShippedData({root.File("missing"), user, shipped}), shipped);
        ASSERT_TRUE(PrepareWorkingFolder(user, shipped).ok);
    }
    test::TempFolder root;
    const std::string user = root.File("user/Quillmark"), shipped = root.File("shipped");
};

TEST_F(WorkingFolderTest, IsFilledFromTheShippedFilesKeepingTheUsers) {
    EXPECT_EQ(root.Read("user/Quillmark/Data/p.gif"), "GIF");
    root.Write("user/Quillmark/Data/2.css", "my style");
    root.Write("user/Quillmark/Data/back.gif", "my picture");
    std::filesystem::remove(root.Path() / "user/Quillmark/Data/p.gif");
    ASSERT_TRUE(PrepareWorkingFolder(user, shipped).ok);
    for (auto [file, text] :
         {std::pair{"2.css", "my style"}, {"back.gif", "my picture"}, {"p.gif", "GIF"}}) {
        EXPECT_EQ(root.Read(std::string("user/Quillmark/Data/") + file), text);
    }
}

// A style sheet as an earlier version shipped it was never edited: updated.
TEST_F(WorkingFolderTest, AStyleSheetAsAnEarlierVersionShippedItIsUpdated) {
    std::filesystem::copy_file(QUILLMARK_TEST_DATA_DIR "/earlier-style-sheet.css",
                               root.Path() / "user/Quillmark/Data/2.css",
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(PrepareWorkingFolder(user, shipped).ok);
    EXPECT_EQ(root.Read("user/Quillmark/Data/2.css"), "shipped style");
}

TEST_F(WorkingFolderTest, IsMadeWithoutShippedFilesAndNamesWhatCannotBeMadeOrCopied) {
    EXPECT_TRUE(PrepareWorkingFolder(root.File("bare"), "").ok &&
                HoldsDataFolder(root.File("bare")));
    root.Write("blocked", "a file where the folder should be");
    for (auto [folder, shippedIn, failed] :
         {std::tuple{"blocked", "", "blocked/Data"}, {"bare", "gone", "gone"}}) {
        const PreparedFolder prepared =
            PrepareWorkingFolder(root.File(folder), *shippedIn ? root.File(shippedIn) : "");
        EXPECT_EQ(std::pair(prepared.ok, prepared.failedPath), std::pair(false, root.File(failed)));
    }
    EXPECT_FALSE(HoldsDataFolder(root.File("blocked")));
    std::filesystem::permissions(root.Path() / "bare/Data", std::filesystem::perms(0555));
    EXPECT_TRUE(test::RunUnprivileged(root.Path(), [] {
        const PreparedFolder prepared = PrepareWorkingFolder("bare", "shipped");
        return !prepared.ok && prepared.failedPath.starts_with("bare/Data/");
    }));
}

struct ProgramStartTest : ::testing::Test, BrowserMenuEntry {
    void Apply(bool integrate) override { menuCalls.push_back(integrate); }
    StartReport Start() {
        StartEnvironment environment{profile, *this, data.folder.Path().string()};
        return StartProgram(environment, data.store);
    }

    test::StoreFolder data;
    test::FakeProfile profile;
    std::vector<bool> menuCalls;
};

TEST_F(ProgramStartTest, LoadsTheListsAndAppliesTheMenuEntry) {
    data.WriteLinks("a.org|A\r\nb.org|B\r\n");
    data.store.SetFolder("/nowhere");
    StartReport first = Start();
    EXPECT_TRUE(first.settings.firstRun);
    EXPECT_EQ(std::tuple(first.lists.links, first.lists.tasks, data.store.Links().size()),
              std::tuple(LoadOutcome::Loaded, LoadOutcome::CreatedNew, 2u));

    first.settings.integrate = false;
    StoreFrameSettings(first.settings, profile);
    Start();
    EXPECT_EQ(menuCalls, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace quill
