#include "app/WorkingFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quill {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

TEST(WorkingFolder, UserFolderFollowsAnAbsoluteXdgDataHomeOnly) {
    EXPECT_EQ(UserWorkingFolder("/home/u", ""), "/home/u/.local/share/Quillmark");
    EXPECT_EQ(UserWorkingFolder("/home/u/", "/data/"), "/data/Quillmark");
    EXPECT_EQ(UserWorkingFolder("/home/u", "relative"), "/home/u/.local/share/Quillmark");
}

TEST(WorkingFolder, PreparingCopiesOnlyMissingPageFilesAndKeepsTheUsersFiles) {
    TempFolder root;
    fs::create_directories(root.Path() / "shipped");
    root.Write("shipped/2.css", "shipped style");
    root.Write("shipped/p.gif", "GIF");
    const std::string user = root.File("user/Quillmark");
    // The first candidate that holds the page files is the one.
    const std::string shipped = FindShippedData({root.File("missing"), user, root.File("shipped")});
    ASSERT_EQ(shipped, root.File("shipped"));

    ASSERT_TRUE(PrepareWorkingFolder(user, shipped).ok);
    EXPECT_TRUE(HoldsDataFolder(user));
    EXPECT_EQ(root.Read("user/Quillmark/Data/p.gif"), "GIF");

    // The user's lists and an edited style sheet survive the next start.
    root.Write("user/Quillmark/Data/2.css", "my style");
    root.Write("user/Quillmark/Data/qmlinks.qbx", "https://a.org/|a\r\n");
    fs::remove(root.Path() / "user/Quillmark/Data/p.gif");
    ASSERT_TRUE(PrepareWorkingFolder(user, shipped).ok);
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
