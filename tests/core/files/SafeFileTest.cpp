#include "files/SafeFile.h"
#include "files/WriteCall.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

// Every other call is interrupted; the rest take at most 1000 bytes, as a
// pipe or a network folder may.
std::ptrdiff_t ShortAndInterrupted(int fd, const void* data, std::size_t size) {
    static bool interrupt = false;
    interrupt = !interrupt;
    if (interrupt) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, data, std::min<std::size_t>(size, 1000));
}

// Takes a few bytes, then the disk is full.
std::ptrdiff_t FullAfterFiveBytes(int fd, const void* data, std::size_t size) {
    static int calls = 0;
    if (calls++ % 2 == 0) {
        return ::write(fd, data, std::min<std::size_t>(size, 5));
    }
    errno = ENOSPC;
    return -1;
}

class WriteCallSwap {
public:
    explicit WriteCallSwap(WriteCall call) : m_previous(SwapWriteCall(call)) {}
    ~WriteCallSwap() { SwapWriteCall(m_previous); }

private:
    WriteCall m_previous;
};

TEST(SafeFile, ReplaceLeavesExactlyTheNewBytesHoweverTheSystemTakesThem) {
    std::string bytes("\r\n\0\xff", 4);
    while (bytes.size() < 150'000) { // more than one read block
        bytes += bytes + std::to_string(bytes.size());
    }
    for (WriteCall call : {WriteCall{nullptr}, WriteCall{ShortAndInterrupted}}) {
        std::optional<WriteCallSwap> swap;
        if (call) {
            swap.emplace(call);
        }
        test::TempFolder folder;
        folder.Write("data.txt", "old contents");

        ASSERT_TRUE(ReplaceFileContents(folder.File("data.txt"), bytes));

        FileContents back = ReadWholeFile(folder.File("data.txt"));
        EXPECT_EQ(back.status, ReadStatus::Ok);
        EXPECT_TRUE(back.bytes == bytes) << back.bytes.size() << " bytes read back";
        EXPECT_EQ(folder.Listing(), "data.txt\n");
    }
}

// Whatever step fails, the old file stays whole and no temporary file is left.
TEST(SafeFile, AFailedReplaceLeavesTheOldFileAndNothingElse) {
    struct Case {
        const char* what;
        std::function<void(const test::TempFolder&)> arrange;
        WriteCall writeCall;
        bool asNobody;
    };
    const fs::perms readOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec;
    const Case cases[] = {
        {"disk full", [](auto&) {}, FullAfterFiveBytes, false},
        {"folder in the file's place",
         [](auto& folder) {
             fs::remove(folder.Path() / "data.txt");
             fs::create_directory(folder.Path() / "data.txt");
             folder.Write("data.txt/keep", "old");
         },
         nullptr, false},
        {"folder not writable",
         [&](auto& folder) { fs::permissions(folder.Path(), readOnlyFolder); }, nullptr, true},
        // A file this program cannot read was never loaded: replacing it would
        // throw away records nobody has seen.
        {"file not readable",
         [](auto& folder) {
             fs::permissions(folder.Path(), fs::perms::all);
             fs::permissions(folder.Path() / "data.txt",
                             fs::perms::owner_write | fs::perms::others_write);
         },
         nullptr, true},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        folder.Write("data.txt", "old");
        c.arrange(folder);
        const std::string before = folder.Listing();
        const std::string path = folder.File("data.txt");
        std::optional<WriteCallSwap> swap;
        if (c.writeCall) {
            swap.emplace(c.writeCall);
        }

        auto refused = [](const std::string& name) {
            return !ReplaceFileContents(name, "new contents");
        };
        EXPECT_TRUE(c.asNobody
                        ? test::RunUnprivileged(folder.Path(), [&] { return refused("data.txt"); })
                        : refused(path))
            << c.what;

        fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
        const bool folderInPlace = fs::is_directory(path);
        EXPECT_EQ(folder.Read(folderInPlace ? "data.txt/keep" : "data.txt"), "old") << c.what;
        EXPECT_EQ(folder.Listing(), before) << c.what;
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

    EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(folder.Path() / "real/absolute"));
    EXPECT_EQ(folder.Read("real/data.txt"), "new");
    EXPECT_EQ(fs::status(folder.Path() / "real/data.txt").permissions() & fs::perms::all, mode);
    EXPECT_EQ(folder.Listing(), "link.txt\nreal\n");
}

TEST(SafeFile, ReadTellsMissingFromUnreadableAndCreateNeverTouchesAFile) {
    test::TempFolder folder;
    folder.Write("data.txt", "keep me");
    fs::create_directory(folder.Path() / "closed");
    folder.Write("closed/data.txt", "x");
    fs::permissions(folder.Path() / "closed", fs::perms::owner_all);

    EXPECT_EQ(ReadWholeFile(folder.File("none")).status, ReadStatus::Missing);
    EXPECT_EQ(ReadWholeFile(folder.File("closed")).status, ReadStatus::Unreadable);
    EXPECT_TRUE(test::RunUnprivileged(folder.Path(), [] {
        return ReadWholeFile("closed/data.txt").status == ReadStatus::Unreadable;
    }));

    EXPECT_TRUE(CreateEmptyIfMissing(folder.File("data.txt")));
    EXPECT_TRUE(CreateEmptyIfMissing(folder.File("new.txt")));
    EXPECT_FALSE(CreateEmptyIfMissing(folder.File("no-such-folder/new.txt")));
    EXPECT_EQ(folder.Read("data.txt"), "keep me");
    EXPECT_EQ(folder.Read("new.txt"), "");
}

} // namespace
} // namespace quill
