#include "links/LinkFile.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

using Links = std::vector<LinkRecord>;

Links Load(const std::string& path, Links links = {}) {
    LoadLinkFile(path, links);
    return links;
}

TEST(LinkFile, SplitsAtTheFirstSeparatorAndAppendsToTheList) {
    test::TempFolder folder;
    folder.Write("links", "\xEF\xBB\xBF"
                          "example.org|plain\r\n"
                          "a.org|comment | with | bars\n"
                          "no separator here\r\n"
                          "\r\n"
                          "b.org|\r\n");

    EXPECT_EQ(Load(folder.File("links"), {{"first", "kept"}}),
              (Links{{"first", "kept"},
                     {"example.org", "plain"},
                     {"a.org", "comment | with | bars"},
                     {"no separator here", "no separator here"},
                     {"", ""},
                     {"b.org", ""}}));
}

TEST(LinkFile, SaveWritesCrLfLinesThatReadBackTheSame) {
    test::TempFolder folder;
    const Links links{{"http://a.org", "bar | in comment"}, {"b.org", ""}, {"", ""}};
    ASSERT_TRUE(SaveLinkFile(folder.File("links"), links));
    EXPECT_EQ(folder.Read("links"), "http://a.org|bar | in comment\r\nb.org|\r\n|\r\n");
    EXPECT_EQ(Load(folder.File("links")), links);

    // Line breaks inside a text never split the record.
    ASSERT_TRUE(SaveLinkFile(folder.File("links"), {{"a.org", "two\nlines\r\nand three"}}));
    EXPECT_EQ(Load(folder.File("links")), (Links{{"a.org", "two lines and three"}}));

    ASSERT_TRUE(SaveLinkFile(folder.File("links"), {}));
    EXPECT_EQ(folder.Read("links"), "");
}

TEST(LinkFile, BytesNobodyEditedAreWrittenBackUnchanged) {
    test::TempFolder folder;
    const std::string original = "caf\xE9.org|na\xEFve \xFF\xFE\r\nutf8|\xC3\xA9t\xC3\xA9\r\n";
    folder.Write("links", original);
    ASSERT_TRUE(SaveLinkFile(folder.File("links"), Load(folder.File("links"))));
    EXPECT_EQ(folder.Read("links"), original);

    // A byte-order mark is skipped and not written back.
    folder.Write("links", "\xEF\xBB\xBFx.org|c\r\n");
    ASSERT_TRUE(SaveLinkFile(folder.File("links"), Load(folder.File("links"))));
    EXPECT_EQ(folder.Read("links"), "x.org|c\r\n");
}

TEST(LinkFile, MissingFileIsCreatedEmptyButNeverAMissingFolder) {
    test::TempFolder folder;
    Links links;
    EXPECT_EQ(LoadLinkFile(folder.File("links"), links), LoadOutcome::CreatedNew);
    EXPECT_TRUE(links.empty());
    EXPECT_EQ(folder.Listing(), "links\n");

    EXPECT_TRUE(Load(folder.File("Data/links")).empty());
    EXPECT_FALSE(fs::exists(folder.Path() / "Data"));
}

TEST(LinkFile, UnreadableFileIsNeverWiped) {
    test::TempFolder folder;
    folder.Write("links", "precious|link\r\n");
    const std::string path = folder.File("links");
    fs::permissions(path, fs::perms::none);

    // Where permissions apply the file cannot be opened: the list stays, and so does the file.
    EXPECT_TRUE(test::RunUnprivileged([&] {
        Links links{{"in", "memory"}};
        return LoadLinkFile(path, links) == LoadOutcome::LeftAlone &&
               links == Links{{"in", "memory"}};
    }));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Read("links"), "precious|link\r\n");
}

TEST(LinkFile, SanitizeStoresBarsInAddressesAsPercentCodes) {
    LinkRecord link = SanitizeLinkForStorage({"http://a.org/?q=a|b", "keeps | bars\nand lines"});
    EXPECT_EQ(link, (LinkRecord{"http://a.org/?q=a%7Cb", "keeps | bars and lines"}));
}

} // namespace
} // namespace quill
