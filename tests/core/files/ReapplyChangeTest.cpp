#include "files/ReapplyChange.h"
#include "files/FileStamp.h"
#include "links/LinkRecord.h"
#include "support/TempFolder.h"

#include <array>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace quill {
namespace {

// Links named by their address alone, space-separated; the comment tells
// versions apart ("B'").
std::vector<LinkRecord> L(const std::string& names) {
    std::vector<LinkRecord> links;
    std::istringstream in(names);
    for (std::string name; in >> name;) {
        links.push_back({name.substr(0, 1), name.substr(1)});
    }
    return links;
}

const auto SameTexts = std::equal_to<LinkRecord>();

TEST(ReapplyChange, MakesThisProgramsChangeInTheFileAsAnotherProgramLeftIt) {
    // base, mine, theirs, expected
    const std::array<const char*, 4> cases[] = {
        {"A", "A B", "A X", "A X B"},               // both added
        {"A B C", "A B' C", "X A B C", "X A B' C"}, // edit after an insert before it
        {"A B", "A", "A' B", "A'"},                 // delete beside another's edit
        {"A B", "", "A X B", "X"},                  // delete all keeps what nobody here saw
        {"A B", "A B'", "A", "A"},                  // edit of a record removed elsewhere
        {"A A", "A", "A A C", "A C"},               // second of two equal records deleted
        {"A", "A", "X A", "X A"}};
    for (const auto& [base, mine, theirs, expected] : cases) {
        EXPECT_EQ(ReapplyChange(L(base), L(mine), L(theirs), SameTexts), L(expected)) << mine;
    }
}

TEST(FileStamp, ChangesWithAReplaceOrAnEditInPlace) {
    test::TempFolder folder;
    EXPECT_FALSE(StampOfFile(folder.File("links.txt")));
    folder.Write("links.txt", "a|b\n");
    const auto read = StampOfFile(folder.File("links.txt"));
    ASSERT_TRUE(read);
    EXPECT_EQ(StampOfFile(folder.File("links.txt")), read);

    folder.Write("other", "a|c\n");
    std::filesystem::rename(folder.Path() / "other", folder.Path() / "links.txt");
    const auto replaced = StampOfFile(folder.File("links.txt"));
    EXPECT_NE(replaced, read);
    folder.Write("links.txt", "a|cd\n");
    auto stamp = StampOfFile(folder.File("links.txt"));
    EXPECT_NE(stamp, replaced);
    const auto file = folder.Path() / "links.txt";
    for (auto step : {std::chrono::nanoseconds(1), std::chrono::nanoseconds(1'000'000'000)}) {
        std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + step);
        EXPECT_NE(StampOfFile(folder.File("links.txt")), stamp);
        stamp = StampOfFile(folder.File("links.txt"));
    }
}

} // namespace
} // namespace quill
