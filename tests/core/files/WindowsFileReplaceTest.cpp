#include "core/files/WindowsFileReplace.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quill {
namespace {

using Files = std::map<std::string, std::string>;
using Path = std::filesystem::path;

// Files in a map. Each write takes one byte; `fails` names the calls that report
// failure: "Examine" knows nothing, "Stall" writes nothing, "OldGone" swaps out
// the old file but leaves the new one under its temporary name.
struct FakeCalls : ReplaceCalls {
    Files files;
    std::set<std::string> fails;
    std::string open;

    bool Fails(const char* call) const { return fails.contains(call); }
    Presence Examine(const Path& file) override {
        return Fails("Examine") ? Presence::Unknown
                                : (files.contains(file) ? Presence::Present : Presence::Absent);
    }
    bool CanRead(const Path&) override { return !Fails("CanRead"); }
    bool CreateNew(const Path& file) override {
        open = file;
        return files.try_emplace(file).second;
    }
    bool Write(const char* data, std::size_t, std::size_t& written) override {
        written = Fails("Stall") ? 0 : 1;
        files[open].append(data, written);
        return !Fails("Write");
    }
    bool Flush() override { return !Fails("Flush"); }
    bool Close() override { return !Fails("Close"); }
    void Delete(const Path& file) override { files.erase(file); }
    bool Move(const Path& from, const Path& to) override {
        return !Fails("Move") && files.try_emplace(to, files[from]).second && files.erase(from);
    }
    Swap SwapInto(const Path& replacement, const Path& target) override {
        if (Fails("Swap")) {
            return Swap::Failed;
        }
        files.erase(target);
        if (!Fails("OldGone")) {
            files[target] = files[replacement];
            files.erase(replacement);
        }
        return Fails("OldGone") ? Swap::OldGone : Swap::Done;
    }
};

TEST(WindowsFileReplace, ReplacesOnlyWhatItCanReadLeavesNoStrayTemporaryNorCreatesOverAFile) {
    const Files old{{"t", "old"}}, replaced{{"t", "new!"}};
    std::vector<std::tuple<std::set<std::string>, Files, bool, Files>> cases = {
        {{}, old, true, replaced},
        {{}, {}, true, replaced},
        {{}, {{"t", "old"}, {"tmp", "taken"}}, false, {{"t", "old"}, {"tmp", "taken"}}},
        {{"Move"}, {}, false, {}}, // a file appeared since the look
        {{"OldGone"}, old, true, replaced},
        {{"OldGone", "Move"}, old, false, {{"tmp", "new!"}}}, // the only copy is kept
    };
    for (const char* call : {"Examine", "CanRead", "Write", "Stall", "Flush", "Close", "Swap"}) {
        cases.push_back({{call}, old, false, old});
    }
    for (const auto& [fails, before, ok, after] : cases) {
        FakeCalls calls;
        calls.files = before;
        calls.fails = fails;
        EXPECT_EQ(ReplaceWithNewContents(calls, "t", "tmp", "new!"), ok) << fails.size();
        EXPECT_EQ(calls.files, after) << (fails.empty() ? "" : *fails.begin());
    }
    // An empty file is made only where there is none.
    FakeCalls calls;
    calls.files = {{"kept", "data"}};
    EXPECT_TRUE(CreateNewEmptyFile(calls, "new") && CreateNewEmptyFile(calls, "kept"));
    EXPECT_EQ(calls.files, (Files{{"kept", "data"}, {"new", ""}}));
}

} // namespace
} // namespace quill
