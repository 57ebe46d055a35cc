#include "files/WindowsFileReplace.h"

#include <gtest/gtest.h>

#include <map>

namespace quill {
namespace {

using Presence = ReplaceCalls::Presence;
using Swap = ReplaceCalls::Swap;

// Files as a map; each failure the Win32 calls can report is one switch, and
// every write takes a single byte.
struct FakeCalls : ReplaceCalls {
    std::map<std::string, std::string> files;
    bool unknown = false, unreadable = false, writeFails = false, flushFails = false,
         closeFails = false, moveFails = false;
    Swap swap = Swap::Done;
    std::string open;

    Presence Examine(const std::filesystem::path& file) override {
        return unknown ? Presence::Unknown
                       : (files.contains(file) ? Presence::Present : Presence::Absent);
    }
    bool CanRead(const std::filesystem::path&) override { return !unreadable; }
    bool CreateNew(const std::filesystem::path& file) override {
        open = file;
        return files.try_emplace(file).second;
    }
    bool Write(const char* data, std::size_t size, std::size_t& written) override {
        written = writeFails ? 0 : std::min<std::size_t>(size, 1);
        files[open].append(data, written);
        return !writeFails;
    }
    bool Flush() override { return !flushFails; }
    bool Close() override { return !closeFails; }
    void Delete(const std::filesystem::path& file) override { files.erase(file); }
    bool Move(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (moveFails || files.contains(to)) {
            return false;
        }
        files[to] = files[from];
        return files.erase(from) == 1;
    }
    Swap SwapInto(const std::filesystem::path& replacement,
                  const std::filesystem::path& target) override {
        if (swap == Swap::Done) {
            files[target] = files[replacement];
            files.erase(replacement);
        } else if (swap == Swap::OldGone) {
            files.erase(target);
        }
        return swap;
    }
};

using Files = std::map<std::string, std::string>;

TEST(WindowsFileReplace, ReplacesOnlyWhatItCanReadAndLeavesNoStrayTemporary) {
    const Files old{{"t", "old"}};
    const struct {
        const char* name;
        Files before;
        void (*fail)(FakeCalls&);
        bool ok;
        Files after;
    } cases[] = {
        {"replace", old, [](FakeCalls&) {}, true, {{"t", "new!"}}},
        {"create", {}, [](FakeCalls&) {}, true, {{"t", "new!"}}},
        {"unknown", old, [](FakeCalls& c) { c.unknown = true; }, false, old},
        {"unreadable", old, [](FakeCalls& c) { c.unreadable = true; }, false, old},
        {"write", old, [](FakeCalls& c) { c.writeFails = true; }, false, old},
        {"flush", old, [](FakeCalls& c) { c.flushFails = true; }, false, old},
        {"close", old, [](FakeCalls& c) { c.closeFails = true; }, false, old},
        {"swap", old, [](FakeCalls& c) { c.swap = Swap::Failed; }, false, old},
        {"appeared", {}, [](FakeCalls& c) { c.moveFails = true; }, false, {}},
        {"finish", old, [](FakeCalls& c) { c.swap = Swap::OldGone; }, true, {{"t", "new!"}}},
        // the temporary file then holds the only copy
        {"stranded",
         old,
         [](FakeCalls& c) {
             c.swap = Swap::OldGone;
             c.moveFails = true;
         },
         false,
         {{"tmp", "new!"}}},
    };
    for (const auto& test : cases) {
        FakeCalls calls;
        calls.files = test.before;
        test.fail(calls);
        EXPECT_EQ(ReplaceWithNewContents(calls, "t", "tmp", "new!"), test.ok) << test.name;
        EXPECT_EQ(calls.files, test.after) << test.name;
    }
}

TEST(WindowsFileReplace, CreatesAnEmptyFileOnlyWhereThereIsNone) {
    FakeCalls calls;
    calls.files = {{"kept", "data"}};
    EXPECT_TRUE(CreateNewEmptyFile(calls, "new"));
    EXPECT_TRUE(CreateNewEmptyFile(calls, "kept"));
    EXPECT_EQ(calls.files, (Files{{"kept", "data"}, {"new", ""}}));
}

} // namespace
} // namespace quill
