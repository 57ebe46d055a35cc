#include "links/LinkFile.h"
#include "tasks/TaskFile.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

TEST(RecordLine, EachSplitFallsAtTheFirstBarAndAMissingPartRepeatsTheRest) {
    struct Case {
        const char* line;
        LinkRecord link;
        TaskRecord task;
    };
    const Case cases[] = {{"a.org|c", {"a.org", "c"}, {"a.org", "c", "c"}},
                          {"05.03.2004|09:05|Call | bank",
                           {"05.03.2004", "09:05|Call | bank"},
                           {"05.03.2004", "09:05", "Call | bank"}},
                          {"no bar", {"no bar", "no bar"}, {"no bar", "no bar", "no bar"}},
                          {"|", {"", ""}, {"", "", ""}}};
    for (const Case& c : cases) {
        EXPECT_EQ(ParseLinkLine(c.line), c.link) << c.line;
        EXPECT_EQ(ParseTaskLine(c.line), c.task) << c.line; // and not yet reminded
    }
}

TEST(RecordLine, LineBreaksInAnyFieldBecomeBlanksSoARecordStaysOneLine) {
    EXPECT_EQ(FormatLinkLine({"a\nb", "c\r\nd"}), "a b|c d\r\n");
    EXPECT_EQ(FormatTaskLine({"1\n2", "3\r\n4", "5\n6"}), "1 2|3 4|5 6\r\n");
    EXPECT_EQ(SanitizeLinkForStorage({"http://a.org/?q=a|b\n", "keeps | bars\r\nand lines"}),
              (LinkRecord{"http://a.org/?q=a%7Cb ", "keeps | bars and lines"}));
}

// Both record files behave alike but for how a line splits into fields.
template <typename R, auto LoadFile, auto SaveFile> struct Files {
    using Record = R;
    static constexpr auto Load = LoadFile;
    static constexpr auto Save = SaveFile;
};

template <typename Files> class RecordFile : public ::testing::Test {
protected:
    using Records = std::vector<typename Files::Record>;
    test::TempFolder folder;
    const std::string path = folder.File("records");
};

using RecordFiles = ::testing::Types<Files<LinkRecord, LoadLinkFile, SaveLinkFile>,
                                     Files<TaskRecord, LoadTaskFile, SaveTaskFile>>;
TYPED_TEST_SUITE(RecordFile, RecordFiles);

// Bytes nobody edited (not UTF-8, a lone CR, bars inside the last field) go
// back unchanged; only the line ends become CR LF and a byte-order mark goes.
TYPED_TEST(RecordFile, LoadAppendsAndSavingUneditedRecordsGivesTheSameLines) {
    this->folder.Write("records", "\xEF\xBB\xBF"
                                  "05.03.2004|09:05|Call | bank\r\n"
                                  "caf\xE9|\xFF\xFE|na\xEFve a\rb\n"
                                  "||");
    typename TestFixture::Records records(1);
    records[0].m_comment = "first";

    ASSERT_EQ(TypeParam::Load(this->path, records), LoadOutcome::Loaded);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].m_comment, "first");
    records.erase(records.begin());
    ASSERT_TRUE(TypeParam::Save(this->path, records));

    EXPECT_EQ(this->folder.Read("records"), "05.03.2004|09:05|Call | bank\r\n"
                                            "caf\xE9|\xFF\xFE|na\xEFve a\rb\r\n"
                                            "||\r\n");
    ASSERT_TRUE(TypeParam::Save(this->path, {}));
    EXPECT_EQ(this->folder.Read("records"), "");
}

TYPED_TEST(RecordFile, MissingFileIsCreatedEmptyButNeverAMissingFolder) {
    typename TestFixture::Records records;
    EXPECT_EQ(TypeParam::Load(this->path, records), LoadOutcome::CreatedNew);
    EXPECT_EQ(TypeParam::Load(this->path, records), LoadOutcome::Loaded);
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(this->folder.Listing(), "records\n");

    const std::string inMissingFolder = this->folder.File("Data/records");
    EXPECT_EQ(TypeParam::Load(inMissingFolder, records), LoadOutcome::CreatedNew);
    EXPECT_FALSE(TypeParam::Save(inMissingFolder, records));
    EXPECT_FALSE(fs::exists(this->folder.Path() / "Data"));
}

TYPED_TEST(RecordFile, UnreadableFileIsNeitherLoadedNorWiped) {
    this->folder.Write("records", "precious|record|kept\r\n");
    fs::permissions(this->path, fs::perms::none);

    EXPECT_TRUE(test::RunUnprivileged(this->folder.Path(), [] {
        typename TestFixture::Records records;
        return TypeParam::Load("records", records) == LoadOutcome::LeftAlone && records.empty();
    }));
    fs::permissions(this->path, fs::perms::owner_read);
    EXPECT_EQ(this->folder.Read("records"), "precious|record|kept\r\n");
}

} // namespace
} // namespace quill
