#include "files/SafeFile.h"
#include "links/LinkFile.h"
#include "pages/PageFile.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

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
    EXPECT_EQ(ReadWholeFile(folder.File("folder")).status, ReadStatus::NotAFile);
    EXPECT_EQ(ReadWholeFile(folder.File("data.txt")).bytes, "keep me");

    EXPECT_TRUE(CreateEmptyIfMissing(folder.File("data.txt")));
    EXPECT_TRUE(CreateEmptyIfMissing(folder.File("new.txt")));
    EXPECT_FALSE(CreateEmptyIfMissing(folder.File("no-such-folder/new.txt")));
    EXPECT_EQ(folder.Read("data.txt"), "keep me");
    EXPECT_EQ(folder.Read("new.txt"), "");
}

TEST(SafeFile, APipeOrFolderInADataFilesPlaceIsNeitherOpenedNorReplaced) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("links.txt").c_str(), 0600), 0);
    fs::create_directory(folder.Path() / "tasks.txt");
    for (const char* name : {"links.txt", "tasks.txt"}) {
        std::vector<LinkRecord> links;
        // Opening the pipe would block until a writer came.
        EXPECT_EQ(LoadLinkFile(folder.File(name), links), LoadOutcome::NotAFile) << name;
        EXPECT_TRUE(links.empty());
        EXPECT_FALSE(ReplaceFileContents(folder.File(name), "new")) << name;
    }
    EXPECT_TRUE(fs::is_fifo(folder.Path() / "links.txt"));
    EXPECT_EQ(folder.Listing(), "links.txt\ntasks.txt\n");
}

TEST(SafeFile, LeftoverTemporariesOfAFileGoAtLoadAndBeforeASaveAndNothingElse) {
    test::TempFolder folder;
    const std::vector<std::string> kept{".links.txt.0123456789abcde.tmp", // too short
                                        ".links.txt.0123456789abcdeg.tmp",
                                        "links.txt.0123456789abcdef.tmp",
                                        ".links.txt.0123456789abcdef.tmp.bak",
                                        ".other.txt.0123456789abcdef.tmp",
                                        "links.txt"};
    for (const std::string& name : kept) {
        folder.Write(name, "x");
    }
    folder.Write(".links.txt.0123456789abcdef.tmp", "torn");
    folder.Write(".links.txt.fedcba9876543210.tmp", "torn");
    std::vector<LinkRecord> links;
    LoadLinkFile(folder.File("links.txt"), links);
    folder.Write(".links.txt.00000000000000aa.tmp", "torn");
    ASSERT_TRUE(ReplaceFileContents(folder.File("links.txt"), "new"));

    std::string expected;
    std::vector<std::string> sorted = kept;
    std::sort(sorted.begin(), sorted.end());
    for (const std::string& name : sorted) {
        expected += name + "\n";
    }
    EXPECT_EQ(folder.Listing(), expected);
}

TEST(SafeFile, ThePageIsOverwrittenInPlaceWhereItsFolderTakesNoNewFile) {
    test::TempFolder folder;
    folder.Write("qmtemp.tmp", "old page");
    fs::permissions(folder.Path() / "qmtemp.tmp", fs::perms::all);
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    const std::string page = folder.File("qmtemp.tmp");
    const std::string missing = folder.File("other.tmp");

    EXPECT_TRUE(test::RunUnprivileged([&] {
        return WritePageFile(page, "<html>new</html>") && !WritePageFile(missing, "page");
    }));
    EXPECT_EQ(folder.Read("qmtemp.tmp"), "<html>new</html>");
}

} // namespace
} // namespace quill
