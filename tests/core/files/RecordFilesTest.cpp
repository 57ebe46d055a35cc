#include "core/links/LinkFile.h"

#include "core/files/LineText.h"
#include "core/files/SafeFile.h"
#include "core/tasks/TaskDateTime.h"
#include "core/tasks/TaskFile.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace quill {
namespace {

const std::string kMark = "\xEF\xBB\xBF"; // a UTF-8 byte-order mark

TEST(RecordLine, EachSplitFallsAtTheFirstBarAndAMissingPartRepeatsTheRest) {
    const std::tuple<const char*, LinkRecord, TaskRecord> cases[] = {
        {"a.org|c", {"a.org", "c"}, {"a.org", "c", "c"}},
        {"05.03.2004|09:05|Call | bank",
         {"05.03.2004", "09:05|Call | bank"},
         {"05.03.2004", "09:05", "Call | bank"}},
        {"no bar", {"no bar", "no bar"}, {"no bar", "no bar", "no bar"}},
        {"|", {"", ""}, {"", "", ""}}};
    for (const auto& [line, link, task] : cases) {
        EXPECT_EQ(ParseLinkLine(line), link) << line;
        EXPECT_EQ(ParseTaskLine(line), task) << line; // and not yet reminded
    }
}

TEST(RecordLine, LineBreaksInAnyFieldBecomeBlanksSoARecordStaysOneLine) {
    EXPECT_EQ(FormatLinkLine({"a\nb", "c\r\nd"}), "a b|c d\r\n");
    EXPECT_EQ(FormatTaskLine({"1\n2", "3\r\n4", "5\n6"}), "1 2|3 4|5 6\r\n");
    EXPECT_EQ(SanitizeLinkForStorage({"http://a.org/?q=a|b\n", "keeps | bars\r\nand lines"}),
              (LinkRecord{"http://a.org/?q=a%7Cb ", "keeps | bars and lines"}));
    EXPECT_EQ(FlattenLineBreaks("\r\none\r\ntwo\nthree\rfour\r\n"), " one two three four ");
    EXPECT_EQ(FlattenLineBreaks("a\r"), "a ");
    EXPECT_EQ(KeepOnOneLine("keeps\ra lone CR"), "keeps\ra lone CR");
    EXPECT_EQ(KeepOnOneLine("x\ry\n"), "x y ");
}

// Both record files share their loading and saving; the links file stands
// for both.
class RecordFile : public ::testing::Test {
protected:
    test::TempFolder folder;
    const std::string path = folder.File("records");
};

// Bytes nobody edited (not UTF-8, a lone CR, bars inside the last field) go
// back unchanged; only the line ends become CR LF and a byte-order mark goes.
TEST_F(RecordFile, LoadAppendsAndSavingUneditedRecordsGivesTheSameLines) {
    folder.Write("records", kMark + "05.03.2004|09:05|Call | bank\r\n"
                                    "caf\xE9|\xFF\xFE|na\xEFve a\rb\n"
                                    "||");
    std::vector<LinkRecord> records{{"", "first"}};

    ASSERT_EQ(LoadLinkFile(path, records), LoadOutcome::Loaded);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].m_comment, "first");
    records.erase(records.begin());
    ASSERT_TRUE(SaveLinkFile(path, records));

    EXPECT_EQ(folder.Read("records"), "05.03.2004|09:05|Call | bank\r\n"
                                      "caf\xE9|\xFF\xFE|na\xEFve a\rb\r\n"
                                      "||\r\n");
    ASSERT_TRUE(SaveLinkFile(path, {}));
    EXPECT_EQ(folder.Read("records"), "");

    // A first record that itself begins with a byte-order mark keeps it.
    const std::vector<LinkRecord> marked{{kMark + "a.org", "A"}};
    ASSERT_TRUE(SaveLinkFile(path, marked));
    records.clear();
    ASSERT_EQ(LoadLinkFile(path, records), LoadOutcome::Loaded);
    EXPECT_EQ(records, marked);
}

// Creating a missing file never truncates one that appeared meanwhile.
TEST_F(RecordFile, MissingFileIsCreatedEmptyNeverAMissingFolderAndUnreadableLeftAlone) {
    std::vector<LinkRecord> records;
    EXPECT_EQ(LoadLinkFile(path, records), LoadOutcome::CreatedNew);
    EXPECT_TRUE(LoadLinkFile(path, records) == LoadOutcome::Loaded && records.empty());
    EXPECT_EQ(folder.Listing(), "records\n");
    folder.Write("records", "keep me");
    EXPECT_TRUE(CreateEmptyIfMissing(path) && folder.Read("records") == "keep me");

    const std::string inMissingFolder = folder.File("Data/records");
    EXPECT_EQ(LoadLinkFile(inMissingFolder, records), LoadOutcome::CreatedNew);
    EXPECT_FALSE(SaveLinkFile(inMissingFolder, records));
    EXPECT_FALSE(fs::exists(folder.Path() / "Data"));

    // An unreadable file is neither loaded nor wiped.
    folder.Write("records", "precious|record|kept\r\n");
    fs::permissions(path, fs::perms::none);

    EXPECT_TRUE(test::RunUnprivileged(folder.Path(), [] {
        std::vector<LinkRecord> read;
        return LoadLinkFile("records", read) == LoadOutcome::LeftAlone && read.empty() &&
               ReadWholeFile("records").status == ReadStatus::Unreadable &&
               ReadWholeFile("none").status == ReadStatus::Missing;
    }));
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(folder.Read("records"), "precious|record|kept\r\n");
}

using Lines = std::vector<std::string>;

TEST(SplitLines, BothLineEndsEndALineAndALoneCrStaysText) {
    // clang-format off
    const std::pair<std::string, Lines> cases[] = {
        {"", {}}, {"a\r\nb\nc", {"a", "b", "c"}}, {"a\r\nb\r\n", {"a", "b"}},
        {"\r\n\nx\r\n", {"", "", "x"}}, {"a\rb\r\r\n", {"a\rb\r"}},
        {kMark + "a\r\n" + kMark, {"a", kMark}}}; // a mark is skipped only at the start
    // clang-format on
    for (const auto& [bytes, lines] : cases) {
        EXPECT_EQ(SplitLines(bytes), lines) << bytes;
    }
}

bool IsCalendarDate(int y, int m, int d) { // the Gregorian rules, apart from the code's
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m >= 1 && m <= 12 && d >= 1 && d <= (m == 2 ? 28 + leap : 30 + (m + m / 8) % 2);
}

// The texts name a moment exactly when the calendar has that day and the clock
// that minute: every month's last day and not the day after, 29 February in
// 2000 and 2024 but not in 1900 or 2023, times up to 23:59.
TEST(TaskDateTime, AcceptedExactlyWhenTheCalendarAndClockHaveThemInTheOneShape) {
    const std::pair<int, int> times[] = {{0, 0}, {9, 10}, {23, 59}, {24, 0}, {12, 60}};
    for (int year : {1, 4, 1900, 2000, 2023, 2024, 2100, 9999}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                for (auto [hour, minute] : times) {
                    const DateTime value{year, month, day, hour, minute};
                    const TaskDateTexts texts = FormatTaskDateTime(value);
                    const bool valid = IsCalendarDate(year, month, day) && hour < 24 && minute < 60;
                    EXPECT_EQ(ParseTaskDateTime(texts.date, texts.time),
                              valid ? std::optional(value) : std::nullopt)
                        << texts.date << " " << texts.time;
                }
            }
        }
    }
    // All but the year padded; no other shape read.
    const TaskDateTexts texts = FormatTaskDateTime({800, 3, 5, 9, 7});
    EXPECT_EQ(texts.date + " " + texts.time, "05.03.800 09:07");
    EXPECT_FALSE(IsValidDateTime({10000, 1, 1, 0, 0}));
    const std::pair<const char*, const char*> bad[] = {
        {"5.3.2004", "09:05"},    {"05.03.2004", "9:05"},     {"05.03.", "09:05"},
        {"05.03.02004", "09:05"}, {"05.03.0", "09:05"},       {"ab.03.2004", "09:05"},
        {"05.0x.2004", "09:05"},  {"05.03.20x4", "09:05"},    {"05.03.2004", "0x:05"},
        {"05.03.2004", "09:x5"},  {"05/03.2004", "09:05"},    {"05.03/2004", "09:05"},
        {"05.03.2004", "09.05"},  {"05.03.2004", "09:05:00"}, {"-5.03.2004", "09:05"}};
    for (auto [date, time] : bad) {
        EXPECT_EQ(ParseTaskDateTime(date, time), std::nullopt) << date << " " << time;
    }
}

} // namespace
} // namespace quill
