#include "files/SafeFile.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

TEST(SafeFile, ReplaceWritesExactBytesAndLeavesNoTemporaryFile) {
    test::TempFolder folder;
    folder.Write("data.txt", "old contents that are longer");
    std::string bytes("new\r\n\0bytes\xff", 12);

    ASSERT_TRUE(ReplaceFileContents(folder.File("data.txt"), bytes));

    EXPECT_EQ(folder.Read("data.txt"), bytes);
    EXPECT_EQ(folder.Listing(), "data.txt\n");
}

TEST(SafeFile, ReplaceWritesThroughASymbolicLinkAndKeepsLinkAndPermissions) {
    test::TempFolder folder;
    fs::create_directory(folder.Path() / "real");
    folder.Write("real/data.txt", "old");
    fs::permissions(folder.Path() / "real/data.txt",
                    fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/data.txt", folder.Path() / "link.txt");

    ASSERT_TRUE(ReplaceFileContents(folder.File("link.txt"), "new"));

    EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.txt"));
    EXPECT_EQ(folder.Read("real/data.txt"), "new");
    EXPECT_EQ(fs::status(folder.Path() / "real/data.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Listing(), "link.txt\nreal\n");
}

TEST(SafeFile, FailedRenameLeavesTargetAndNoTemporaryFile) {
    test::TempFolder folder;
    // A non-empty folder in the file's place cannot be replaced by a file.
    fs::create_directory(folder.Path() / "data.txt");
    folder.Write("data.txt/keep", "x");

    EXPECT_FALSE(ReplaceFileContents(folder.File("data.txt"), "new"));

    EXPECT_EQ(folder.Read("data.txt/keep"), "x");
    EXPECT_EQ(folder.Listing(), "data.txt\n");
}

TEST(SafeFile, ReplaceInAFolderThatCannotBeWrittenKeepsTheOldFile) {
    test::TempFolder folder;
    folder.Write("data.txt", "old");
    fs::permissions(folder.Path() / "data.txt", fs::perms::all);
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    const std::string path = folder.File("data.txt");

    bool replaced = test::RunUnprivileged([&] { return ReplaceFileContents(path, "new"); });

    EXPECT_FALSE(replaced);
    EXPECT_EQ(folder.Read("data.txt"), "old");
    EXPECT_EQ(folder.Listing(), "data.txt\n");
}

TEST(SafeFile, AFileThatCannotBeReadIsNeverReplaced) {
    test::TempFolder folder;
    folder.Write("data.txt", "records nobody has seen");
    fs::permissions(folder.Path() / "data.txt", fs::perms::owner_write | fs::perms::others_write);
    fs::permissions(folder.Path(), fs::perms::all);
    const std::string path = folder.File("data.txt");

    bool replaced = test::RunUnprivileged([&] { return ReplaceFileContents(path, "new"); });

    EXPECT_FALSE(replaced);
    fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(folder.Read("data.txt"), "records nobody has seen");
}

TEST(SafeFile, ReadTellsMissingFromUnreadableAndCreateNeverTouchesAFile) {
    test::TempFolder folder;
    folder.Write("data.txt", "keep me");
    fs::create_directory(folder.Path() / "folder");

    EXPECT_EQ(ReadWholeFile(folder.File("none")).status, ReadStatus::Missing);
    EXPECT_EQ(ReadWholeFile(folder.File("folder")).status, ReadStatus::Unreadable);
    EXPECT_EQ(ReadWholeFile(folder.File("data.txt")).bytes, "keep me");

    EXPECT_TRUE(CreateEmptyIfMissing(folder.File("data.txt")));
    EXPECT_TRUE(CreateEmptyIfMissing(folder.File("new.txt")));
    EXPECT_FALSE(CreateEmptyIfMissing(folder.File("no-such-folder/new.txt")));
    EXPECT_EQ(folder.Read("data.txt"), "keep me");
    EXPECT_EQ(folder.Read("new.txt"), "");
}

} // namespace
} // namespace quill
