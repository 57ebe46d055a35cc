#include "links/LinkFile.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

using Links = std::vector<LinkRecord>;

Links Load(const std::string& path) {
    Links links;
    LoadLinkFile(path, links);
    return links;
}

TEST(LinkFile, SplitsAtTheFirstSeparator) {
    test::TempFolder folder;
    folder.Write("links", "example.org|plain\r\n"
                          "a.org|comment | with | bars\n"
                          "no separator here\r\n"
                          "\r\n"
                          "b.org|\r\n");

    EXPECT_EQ(Load(folder.File("links")), (Links{{"example.org", "plain"},
                                                 {"a.org", "comment | with | bars"},
                                                 {"no separator here", "no separator here"},
                                                 {"", ""},
                                                 {"b.org", ""}}));
}

TEST(LinkFile, AppendsToWhatTheListAlreadyHolds) {
    test::TempFolder folder;
    folder.Write("links", "x|1\r\n");
    Links links{{"first", "kept"}};

    EXPECT_EQ(LoadLinkFile(folder.File("links"), links), LoadOutcome::Loaded);

    EXPECT_EQ(links, (Links{{"first", "kept"}, {"x", "1"}}));
}

TEST(LinkFile, SaveWritesOneCrLfLinePerRecordAndReadsBackTheSame) {
    test::TempFolder folder;
    Links links{{"http://a.org", "bar | in comment"}, {"b.org", ""}, {"", ""}};

    ASSERT_TRUE(SaveLinkFile(folder.File("links"), links));

    EXPECT_EQ(folder.Read("links"), "http://a.org|bar | in comment\r\nb.org|\r\n|\r\n");
    EXPECT_EQ(Load(folder.File("links")), links);
}

TEST(LinkFile, EmptyListIsAnEmptyFile) {
    test::TempFolder folder;
    folder.Write("links", "old|stuff\r\n");

    ASSERT_TRUE(SaveLinkFile(folder.File("links"), {}));

    EXPECT_EQ(folder.Read("links"), "");
    EXPECT_TRUE(Load(folder.File("links")).empty());
}

TEST(LinkFile, BytesThatAreNotUtf8SurviveALoadAndSave) {
    test::TempFolder folder;
    const std::string original = "caf\xE9.org|na\xEFve \xFF\xFE\r\nutf8|\xC3\xA9t\xC3\xA9\r\n";
    folder.Write("links", original);

    ASSERT_TRUE(SaveLinkFile(folder.File("links"), Load(folder.File("links"))));

    EXPECT_EQ(folder.Read("links"), original);
}

TEST(LinkFile, ByteOrderMarkIsSkippedAndNotWrittenBack) {
    test::TempFolder folder;
    folder.Write("links", "\xEF\xBB\xBFx.org|c\r\n");

    Links links = Load(folder.File("links"));
    ASSERT_TRUE(SaveLinkFile(folder.File("links"), links));

    EXPECT_EQ(links, (Links{{"x.org", "c"}}));
    EXPECT_EQ(folder.Read("links"), "x.org|c\r\n");
}

TEST(LinkFile, LineBreaksInsideATextNeverSplitTheRecord) {
    test::TempFolder folder;
    Links links{{"a.org", "two\nlines\r\nand three"}};

    ASSERT_TRUE(SaveLinkFile(folder.File("links"), links));

    EXPECT_EQ(Load(folder.File("links")), (Links{{"a.org", "two lines and three"}}));
}

TEST(LinkFile, MissingFileIsCreatedEmpty) {
    test::TempFolder folder;
    Links links;

    EXPECT_EQ(LoadLinkFile(folder.File("links"), links), LoadOutcome::CreatedNew);

    EXPECT_TRUE(links.empty());
    EXPECT_TRUE(fs::exists(folder.Path() / "links"));
    EXPECT_EQ(folder.Read("links"), "");
}

TEST(LinkFile, MissingFolderGivesAnEmptyListAndCreatesNothing) {
    test::TempFolder folder;
    Links links;

    LoadLinkFile(folder.File("Data/links"), links);

    EXPECT_TRUE(links.empty());
    EXPECT_FALSE(fs::exists(folder.Path() / "Data"));
}

TEST(LinkFile, UnreadableFileIsNeverWiped) {
    test::TempFolder folder;
    folder.Write("links", "precious|link\r\n");
    const std::string path = folder.File("links");
    fs::permissions(path, fs::perms::none);

    // Where permissions apply the file cannot be opened: the list stays, and so does the file.
    bool leftAlone = test::RunUnprivileged([&] {
        Links links{{"in", "memory"}};
        return LoadLinkFile(path, links) == LoadOutcome::LeftAlone &&
               links == Links{{"in", "memory"}};
    });

    EXPECT_TRUE(leftAlone);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Read("links"), "precious|link\r\n");
}

TEST(LinkFile, SanitizeStoresBarsInAddressesAsPercentCodes) {
    LinkRecord link = SanitizeLinkForStorage({"http://a.org/?q=a|b", "keeps | bars\nand lines"});

    EXPECT_EQ(link.m_address, "http://a.org/?q=a%7Cb");
    EXPECT_EQ(link.m_comment, "keeps | bars and lines");
    EXPECT_EQ(ParseLinkLine(FormatLinkLine(link).substr(0, FormatLinkLine(link).size() - 2)), link);
}

} // namespace
} // namespace quill
