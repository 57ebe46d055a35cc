#include "core/files/FileStamp.h"
#include "core/files/IniKeys.h"
#include "core/files/LockFile.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quill {
namespace {

namespace fs = std::filesystem;

TEST(IniKeys, ValuesRoundTripQSettingsEscapesAreReadAndOnlyTheNamedKeysChange) {
    for (const std::string& value :
         {std::string("@at, comma; = \"q\" \\ \xC3\x9F"), std::string(" padded "),
          std::string("tab\tx\0012F\177a"), std::string("line\nbreak\r\n"), std::string()}) {
        const std::string text = WriteIniValues("[Status]\r\n", "Status", {{"k", value}});
        EXPECT_EQ(ReadIniValue(text, "Status", "k"), value) << text;
    }
    const std::pair<const char*, std::string> read[] = {
        {" \"  padded \" ", "  padded "},
        {R"(\a\b\f\v\q\n\r\t\)", "\a\b\f\vq\n\r\t\\"},
        {R"(\0)", std::string(1, '\0')},
        {R"(\x41\x80\xe9\x7FF\x20AC)", "A\xC2\x80\xC3\xA9\xDF\xBF\xE2\x82\xAC"},
        {"@@at", "@at"}};
    for (const auto& [raw, value] : read) {
        EXPECT_EQ(ReadIniValue(std::string("[Status]\nk=") + raw + "\n", "Status", "k"), value)
            << raw;
    }
    // Only the named keys of the section change.
    const std::string text = "[Other]\r\nk=other\r\n [Status] \r\n k = old\r\nkeep=1\r\n"
                             "k=last\r\n[Statusx]\r\nk=x";
    EXPECT_EQ(ReadIniValue(text, "Status", "k"), "last");
    EXPECT_EQ(ReadIniValue(text, "Status", "n"), std::nullopt);
    EXPECT_EQ(
        WriteIniValues(text, "Status", {{"k", "v"}, {"n", "w\t\r\n\177"}}),
        "[Other]\r\nk=other\r\n [Status] \r\nk=\"v\"\nkeep=1\r\nk=\"v\"\nn=\"w\\t\\r\\n\\x7f\"\n"
        "[Statusx]\r\nk=x");
    const std::pair<const char*, const char*> added[] = {
        {"", "[Status]\nk=\"v\"\n"},
        {"a=1", "a=1\n\n[Status]\nk=\"v\"\n"},
        {"[Status]\nkeep=1", "[Status]\nkeep=1\nk=\"v\"\n"}};
    for (const auto& [before, after] : added) {
        EXPECT_EQ(WriteIniValues(before, "Status", {{"k", "v"}}), after) << before;
    }
}

TEST(LockFile, OneHolderAtATimeAndWhatTheDeadLeftIsRemoved) {
    test::TempFolder folder;
    const std::string path = folder.File("p.lock");
    EXPECT_TRUE(RecoverStaleLock(path));
    {
        LockFile first(path), second(path);
        ASSERT_EQ(first.TryTake(), LockFile::Attempt::Taken);
        EXPECT_EQ(first.TryTake(), LockFile::Attempt::Taken);
        // Qt counts a lock as live only while its second line names the holder's program file.
        const std::string owner = std::to_string(::getpid()) + "\nquillmark_core_tests\n";
        EXPECT_EQ(folder.Read("p.lock").rfind(owner, 0), 0u);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(second.Take(50), LockFile::Attempt::Busy);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
        EXPECT_FALSE(RecoverStaleLock(path));
        first.Release();
        EXPECT_FALSE(first.Held());
        EXPECT_EQ(second.TryTake(), LockFile::Attempt::Taken);
    }
    EXPECT_EQ(folder.Listing(), "");
    // Without its flock a lock is left behind, even where the process it names
    // lives (a number used again); so is the draft of a lock whose maker died.
    for (const std::string& left :
         {std::string("999999999\nx\n"), std::string("abc\n"), std::to_string(::getpid()) + "\n"}) {
        folder.Write("p.lock", left);
        EXPECT_TRUE(RecoverStaleLock(path)) << left;
    }
    folder.Write("p.lock.999999999-1.new", "x");
    folder.Write("p.lock." + std::to_string(::getpid()) + "-1.new", "mine");
    folder.Write("p.lock.x-1.new", "not a draft");
    EXPECT_TRUE(RecoverStaleLock(path));
    EXPECT_EQ(folder.Listing(),
              "p.lock." + std::to_string(::getpid()) + "-1.new\np.lock.x-1.new\n");
    EXPECT_EQ(LockFile(folder.File("none/p.lock")).TryTake(), LockFile::Attempt::Failed);
}

} // namespace
} // namespace quill
