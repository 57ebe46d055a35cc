#include "core/files/SafeFile.h"
#include "core/files/WriteCall.h"
#include "core/links/LinkFile.h"
#include "core/pages/PageFile.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

// Every other call is interrupted, the rest take at most 1000 bytes, and once
// the disk holds g_room more bytes it is full.
std::size_t g_room = 0;
std::ptrdiff_t FlakyWrite(int fd, const void* data, std::size_t size) {
    static bool interrupt = false;
    if ((interrupt = !interrupt) || g_room == 0) {
        errno = interrupt ? EINTR : ENOSPC;
        return -1;
    }
    std::ptrdiff_t written = ::write(fd, data, std::min({size, g_room, std::size_t{1000}}));
    g_room -= static_cast<std::size_t>(written);
    return written;
}

struct FlakyDisk {
    explicit FlakyDisk(std::size_t room) : previous(SwapWriteCall(FlakyWrite)) { g_room = room; }
    ~FlakyDisk() { SwapWriteCall(previous); }
    WriteCall previous;
};

TEST(SafeFile, ReplaceLeavesExactlyTheNewBytesHoweverTheSystemTakesThem) {
    std::string bytes(64 * 1024 + 1, '\0'); // two read blocks, the last of one byte
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = "\r\n\0\xff|x"[i % 6];
    }
    for (bool flaky : {false, true}) {
        std::optional<FlakyDisk> disk;
        if (flaky) {
            disk.emplace(bytes.size());
        }
        test::TempFolder folder;
        folder.Write("data.txt", "old contents");

        FileError error;
        ASSERT_TRUE(
            ReplaceFileContents(folder.File("data.txt"), bytes, Durability::Synced, &error));
        EXPECT_FALSE(error) << DescribeCause(error);

        FileContents back = ReadWholeFile(folder.File("data.txt"));
        EXPECT_TRUE(back.status == ReadStatus::Ok && back.bytes == bytes) << back.bytes.size();
        EXPECT_EQ(folder.Listing(), "data.txt\n");
    }
}

TEST(SafeFile, AFailedReplaceLeavesTheOldFileAndNothingElseAndSaysWhy) {
    enum Failure { DiskFull, FolderReadOnly, FileUnreadable };
    const char* const causes[] = {"no space left on device (writing)",
                                  "permission denied (creating a new file beside it)",
                                  "permission denied (reading the file)"};
    for (Failure failure : {DiskFull, FolderReadOnly, FileUnreadable}) {
        test::TempFolder folder;
        folder.Write("data.txt", "old");
        const fs::path path = folder.Path() / "data.txt";
        auto refused = [&] {
            FileError error;
            return !ReplaceFileContents("data.txt", "new!", Durability::Synced, &error) &&
                   DescribeCause(error) == causes[failure];
        };
        if (failure == DiskFull) {
            FlakyDisk disk(2);
            FileError error;
            EXPECT_FALSE(ReplaceFileContents(path, "new!", Durability::Synced, &error));
            EXPECT_EQ(DescribeCause(error), causes[failure]);
            EXPECT_EQ(DescribeCause({"writing", E2BIG}), "argument list too long (writing)");
        } else {
            // A file this program cannot read was never loaded: replacing it
            // would throw away records nobody has seen.
            const fs::perms writeOnly =
                fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
            const bool unreadable = failure == FileUnreadable;
            fs::permissions(folder.Path(),
                            unreadable ? fs::perms::all : fs::perms::all & ~writeOnly);
            fs::permissions(path, unreadable ? writeOnly : fs::perms::all);
            EXPECT_TRUE(test::RunUnprivileged(folder.Path(), refused)) << failure;
            fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
            fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
        }
        EXPECT_EQ(folder.Read("data.txt"), "old") << failure;
        EXPECT_EQ(folder.Listing(), "data.txt\n") << failure;
    }
}

TEST(SafeFile, ReplaceWritesThroughChainedLinksAndKeepsThemAndThePermissions) {
    test::TempFolder folder;
    fs::create_directory(folder.Path() / "real");
    folder.Write("real/data.txt", "old");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(folder.Path() / "real/data.txt", mode);
    fs::create_symlink(folder.Path() / "real/data.txt", folder.Path() / "real/absolute");
    fs::create_symlink("real/absolute", folder.Path() / "link.txt");

    ASSERT_TRUE(ReplaceFileContents(folder.File("link.txt"), "new"));

    EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.txt") &&
                fs::is_symlink(folder.Path() / "real/absolute"));
    EXPECT_EQ(folder.Read("real/data.txt"), "new");
    EXPECT_EQ(fs::status(folder.Path() / "real/data.txt").permissions() & fs::perms::all, mode);
    EXPECT_EQ(folder.Listing(), "link.txt\nreal\n");
}

TEST(SafeFile, APipeOrFolderInADataFilesPlaceIsNeitherOpenedNorReplaced) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("links.txt").c_str(), 0600), 0);
    fs::create_directory(folder.Path() / "tasks.txt");
    for (const char* name : {"links.txt", "tasks.txt"}) {
        std::vector<LinkRecord> links;
        // Opening the pipe would block until a writer came.
        EXPECT_TRUE(LoadLinkFile(folder.File(name), links) == LoadOutcome::NotAFile &&
                    links.empty())
            << name;
        EXPECT_FALSE(ReplaceFileContents(folder.File(name), "new")) << name;
    }
    EXPECT_TRUE(fs::is_fifo(folder.Path() / "links.txt"));
    EXPECT_EQ(folder.Listing(), "links.txt\ntasks.txt\n");

    // A file larger than the reader's limit is not read either.
    folder.Write("big", "12345");
    EXPECT_EQ(ReadWholeFile(folder.File("big"), 4).status, ReadStatus::TooLarge);
    EXPECT_EQ(ReadWholeFile(folder.File("big"), 5).bytes, "12345");
}

// Another program's change that falls between the save's last read and its
// rename is never renamed away, and the stamp kept is the written file's.
TEST(SafeFile, AGuardedReplaceLeavesAFileThatChangedMeanwhile) {
    test::TempFolder folder;
    const std::string path = folder.File("links.txt");
    folder.Write("links.txt", "a");
    const auto read = StampOfFile(path);
    folder.Write("links.txt", "ab");
    std::optional<FileStamp> written;
    EXPECT_EQ(ReplaceIfUnchanged(path, "mine", read, written), GuardedReplace::Changed);
    EXPECT_EQ(folder.Listing() + folder.Read("links.txt"), "links.txt\nab");
    EXPECT_EQ(ReplaceIfUnchanged(path, "mine", StampOfFile(path), written),
              GuardedReplace::Replaced);
    EXPECT_TRUE(written && written == StampOfFile(path));
}

TEST(SafeFile, LeftoverTemporariesOfAFileGoAtLoadAndBeforeASaveAndNothingElse) {
    test::TempFolder folder;
    const std::string kept[] = {
        ".links.txt.0123456789abcde.tmp", // too short
        ".links.txt.0123456789abcdef.tmp.bak", ".links.txt.0123456789abcdeg.tmp",
        ".other.txt.0123456789abcdef.tmp",     "links.txt",
        "links.txt.0123456789abcdef.tmp"};
    std::string expected;
    for (const std::string& name : kept) {
        folder.Write(name, "x");
        expected += name + "\n";
    }
    folder.Write(".links.txt.0123456789abcdef.tmp", "torn");
    folder.Write(".links.txt.fedcba9876543210.tmp", "torn");
    std::vector<LinkRecord> links;
    LoadLinkFile(folder.File("links.txt"), links);
    folder.Write(".links.txt.00000000000000aa.tmp", "torn");
    ASSERT_TRUE(ReplaceFileContents(folder.File("links.txt"), "new"));
    EXPECT_EQ(folder.Listing(), expected);
}

TEST(SafeFile, ThePageIsOverwrittenInPlaceWhereItsFolderTakesNoNewFile) {
    test::TempFolder folder;
    folder.Write("qmtemp.tmp", "old page");
    fs::permissions(folder.Path() / "qmtemp.tmp", fs::perms::all);
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::others_read | fs::perms::others_exec);

    EXPECT_TRUE(test::RunUnprivileged(folder.Path(), [] {
        return WritePageFile("qmtemp.tmp", "<html>new</html>") &&
               !WritePageFile("other.tmp", "page");
    }));
    EXPECT_EQ(folder.Read("qmtemp.tmp"), "<html>new</html>");
}

} // namespace
} // namespace quill
