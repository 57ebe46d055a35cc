#include "app/WorkingFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quill {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

TEST(WorkingFolder, UserFolderFollowsAnAbsoluteXdgDataHomeOnly) {
    struct Case {
        const char* home;
        const char* xdgDataHome;
        const char* folder;
    };
    for (const Case& c : {Case{"/home/u", "", "/home/u/.local/share/Quillmark"},
                          Case{"/home/u/", "/data/", "/data/Quillmark"},
                          Case{"/home/u", "relative/data", "/home/u/.local/share/Quillmark"}}) {
        EXPECT_EQ(UserWorkingFolder(c.home, c.xdgDataHome), c.folder) << c.xdgDataHome;
    }
}

TEST(WorkingFolder, ShippedDataIsTheFirstCandidateThatHoldsThePageFiles) {
    TempFolder root;
    fs::create_directories(root.Path() / "empty");
    fs::create_directories(root.Path() / "share");
    root.Write("share/2.css", "a");
    fs::create_directories(root.Path() / "source");
    root.Write("source/2.css", "b");

    EXPECT_EQ(FindShippedData({"", root.File("missing"), root.File("empty"), root.File("share"),
                               root.File("source")}),
              root.File("share"));
    EXPECT_EQ(FindShippedData({root.File("empty")}), "");
}

TEST(WorkingFolder, PreparingCopiesOnlyMissingPageFilesAndKeepsTheUsersFiles) {
    TempFolder root;
    fs::create_directories(root.Path() / "shipped");
    root.Write("shipped/2.css", "shipped style");
    root.Write("shipped/p.gif", "GIF");
    const std::string user = root.File("user/Quillmark");

    ASSERT_TRUE(PrepareWorkingFolder(user, root.File("shipped")).ok);
    EXPECT_TRUE(HoldsDataFolder(user));
    EXPECT_EQ(root.Read("user/Quillmark/Data/p.gif"), "GIF");

    // The user's lists and an edited style sheet survive the next start.
    root.Write("user/Quillmark/Data/2.css", "my style");
    root.Write("user/Quillmark/Data/qmlinks.qbx", "https://a.org/|a\r\n");
    fs::remove(root.Path() / "user/Quillmark/Data/p.gif");
    ASSERT_TRUE(PrepareWorkingFolder(user, root.File("shipped")).ok);
    EXPECT_EQ(root.Read("user/Quillmark/Data/2.css"), "my style");
    EXPECT_EQ(root.Read("user/Quillmark/Data/qmlinks.qbx"), "https://a.org/|a\r\n");
    EXPECT_EQ(root.Read("user/Quillmark/Data/p.gif"), "GIF");

    // No shipped files found: the folder is still made, with nothing in it.
    EXPECT_TRUE(PrepareWorkingFolder(root.File("bare"), "").ok);
    EXPECT_TRUE(HoldsDataFolder(root.File("bare")));
}

TEST(WorkingFolder, AFolderThatCannotBeMadeIsNamed) {
    TempFolder root;
    root.Write("blocked", "a file where the folder should be");
    const PreparedFolder prepared = PrepareWorkingFolder(root.File("blocked"), "");
    EXPECT_FALSE(prepared.ok);
    EXPECT_EQ(prepared.failedPath, root.File("blocked/Data"));
    EXPECT_FALSE(HoldsDataFolder(root.File("blocked")));
}

} // namespace
} // namespace quill
