#include "files/ReapplyChange.h"
#include "files/FileStamp.h"
#include "links/LinkFile.h"
#include "links/LinkRecord.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quill {
namespace {

// Links named by their address alone; the comment tells versions apart.
std::vector<LinkRecord> Links(std::initializer_list<const char*> names) {
    std::vector<LinkRecord> links;
    for (const char* name : names) {
        std::string text(name);
        links.push_back({text.substr(0, 1), text.size() > 1 ? text.substr(1) : ""});
    }
    return links;
}

bool SameTexts(const LinkRecord& a, const LinkRecord& b) {
    return a == b;
}

TEST(ReapplyChange, MakesThisProgramsChangeInTheFileAsAnotherProgramLeftIt) {
    struct Case {
        const char* what;
        std::vector<LinkRecord> base, mine, theirs, expected;
    };
    const Case cases[] = {
        {"both added", Links({"A"}), Links({"A", "B"}), Links({"A", "X"}), Links({"A", "X", "B"})},
        {"edit after an insert before it", Links({"A", "B", "C"}), Links({"A", "B'", "C"}),
         Links({"X", "A", "B", "C"}), Links({"X", "A", "B'", "C"})},
        {"delete beside another's edit", Links({"A", "B"}), Links({"A"}), Links({"A'", "B"}),
         Links({"A'"})},
        {"delete all keeps what nobody here saw",
         Links({"A", "B"}),
         {},
         Links({"A", "X", "B"}),
         Links({"X"})},
        {"edit of a record removed elsewhere", Links({"A", "B"}), Links({"A", "B'"}), Links({"A"}),
         Links({"A"})},
        {"second of two equal records deleted", Links({"A", "A"}), Links({"A"}),
         Links({"A", "A", "C"}), Links({"A", "C"})},
        {"unchanged", Links({"A"}), Links({"A"}), Links({"X", "A"}), Links({"X", "A"})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReapplyChange(c.base, c.mine, c.theirs, SameTexts), c.expected) << c.what;
    }
}

TEST(ReapplyChange, ASaveAfterAnotherProgramsEditKeepsThatEdit) {
    test::TempFolder folder;
    const std::string path = folder.File("links.txt");
    folder.Write("links.txt", "https://a/|A\r\nhttps://b/|B\r\n");
    FileAsRead<LinkRecord> asRead;
    std::vector<LinkRecord> links;
    auto stamp = StampOfFile(path);
    LoadLinkFile(path, links);
    asRead.Remember(stamp, links);

    // Another program adds a link; this one edits B and adds its own.
    folder.Write("links.txt", "https://a/|A\r\nhttps://b/|B\r\nhttps://x/|X\r\n");
    links[1].m_comment = "B edited";
    links.push_back({"https://c/", "C"});
    asRead.TakeInOtherEdits(path, links, LoadLinkFile, SameTexts);
    ASSERT_TRUE(SaveLinkFile(path, links));

    EXPECT_EQ(folder.Read("links.txt"),
              "https://a/|A\r\nhttps://b/|B edited\r\nhttps://x/|X\r\nhttps://c/|C\r\n");
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
    EXPECT_NE(StampOfFile(folder.File("links.txt")), replaced);
}

} // namespace
} // namespace quill
