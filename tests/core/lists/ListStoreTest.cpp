#include "core/lists/ListStore.h"

#include "core/files/FileStamp.h"
#include "core/files/Log.h"
#include "core/files/ReapplyChange.h"
#include "core/links/LinkRecord.h"
#include "support/StoreFolder.h"
#include "support/TempFolder.h"

#include <array>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace quill {
namespace {

std::vector<bool> Reminded(const std::vector<TaskRecord>& tasks) {
    std::vector<bool> reminded;
    for (const TaskRecord& task : tasks) {
        reminded.push_back(task.reminded);
    }
    return reminded;
}

struct RecordedLog : LogSink {
    RecordedLog() { SetLogSink(this); }
    ~RecordedLog() override { SetLogSink(nullptr); }
    void Write(LogArea area, LogLevel level, std::string_view message) override {
        if (area == LogArea::Files && level == LogLevel::Warning) {
            warnings.emplace_back(message);
        }
    }
    std::vector<std::string> warnings;
};

// A save rewrites its file, or reports it once with its cause, logs it and keeps the list.
TEST(ListStore, LoadsBothFilesCreatingAMissingOneAndSavesThem) {
    RecordedLog log;
    test::StoreFolder data;
    data.WriteLinks("a.org|A\r\n");
    const ListsLoadReport report = data.store.Reload();
    EXPECT_EQ(std::pair(report.links, report.tasks),
              std::pair(LoadOutcome::Loaded, LoadOutcome::CreatedNew));
    EXPECT_EQ(data.store.Links(), (std::vector<LinkRecord>{{"a.org", "A"}}));

    data.store.Links().push_back({"b.org", "B"});
    data.store.Tasks().push_back({"01.01.2030", "10:00", "t"});
    EXPECT_TRUE(data.store.SaveLinks() && data.store.SaveTasks());
    EXPECT_EQ(data.Links() + data.Tasks(), "a.org|A\r\nb.org|B\r\n01.01.2030|10:00|t\r\n");
    EXPECT_FALSE(data.store.ChangedElsewhere()); // its own saves are no change from elsewhere
    data.WriteTasks("01.01.2030|10:00|t\r\n");
    EXPECT_TRUE(data.store.ChangedElsewhere());
    EXPECT_TRUE(data.store.SaveTasks()); // the file taken in and written
    data.WriteLinks("a.org|A\r\nb.org|B\r\n");
    EXPECT_TRUE(data.store.ChangedElsewhere());

    data.store.SetFolder((data.folder.Path() / "missing").string());
    EXPECT_FALSE(data.store.SaveLinks() || data.store.SaveTasks());
    EXPECT_EQ(data.unsaved,
              (std::vector<std::string>{data.store.LinkFilePath(), data.store.TaskFilePath()}));
    const std::string cause = "no such file or directory (creating a new file beside it)";
    EXPECT_EQ(data.causes, std::vector<std::string>(2, cause));
    EXPECT_EQ(log.warnings, (std::vector<std::string>{
                                "could not save " + data.store.LinkFilePath() + ": " + cause,
                                "could not save " + data.store.TaskFilePath() + ": " + cause}));
    EXPECT_EQ(data.store.Links().size(), 2u);
}

TEST(ListStore, ReloadAndSaveKeepTheOtherProgramsChangesAndRemindersOfUnchangedTasks) {
    test::StoreFolder data;
    data.WriteTasks("01.01.2030|10:00|a\r\n01.01.2030|10:00|b\r\n01.01.2030|10:00|c\r\n");
    data.store.Reload();
    for (TaskRecord& task : data.store.Tasks()) {
        task.reminded = true;
    }
    data.store.Links().push_back({"only", "in memory"});
    data.WriteLinks("new.org|outside\r\n");
    // From outside: "a" removed, "b" moved to another time, "d" added before "c".
    data.WriteTasks("01.01.2030|10:05|b\r\n01.01.2030|10:00|d\r\n01.01.2030|10:00|c\r\n");
    data.store.Reload();
    EXPECT_EQ(data.store.Links(), (std::vector<LinkRecord>{{"new.org", "outside"}}));
    EXPECT_EQ(Reminded(data.store.Tasks()), (std::vector<bool>{false, false, true}));

    // A save keeps what another program changed since the load: it adds "x"
    // in between while this one edits "d".
    data.WriteTasks("01.01.2030|10:05|b\r\n02.02.2030|09:00|x\r\n01.01.2030|10:00|d\r\n"
                    "01.01.2030|10:00|c\r\n");
    data.store.Tasks()[1].m_comment = "d edited";
    ASSERT_TRUE(data.store.SaveTasks());
    EXPECT_EQ(data.Tasks(), "01.01.2030|10:05|b\r\n02.02.2030|09:00|x\r\n"
                            "01.01.2030|10:00|d edited\r\n01.01.2030|10:00|c\r\n");
    EXPECT_EQ(Reminded(data.store.Tasks()), (std::vector<bool>{false, false, false, true}));

    // Duplicates take their marks one to one, in order.
    std::vector<TaskRecord> previous{{"d", "t", "same", false}, {"d", "t", "same", true}};
    std::vector<TaskRecord> reloaded(3, TaskRecord{"d", "t", "same"});
    CarryOverReminders(previous, reloaded);
    EXPECT_EQ(Reminded(reloaded), (std::vector<bool>{false, true, false}));
}

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
        {"A", "A", "X A", "X A"},
        {"A B C D E", "B C E", "A B' C D E", "B' C E"}, // two deletes around another's edit
        {"A B C", "A' B C'", "A B' C", "A' B' C'"}};    // two edits, the middle one theirs
    for (const auto& [base, mine, theirs, expected] : cases) {
        EXPECT_EQ(ReapplyChange(L(base), L(mine), L(theirs), SameTexts), L(expected)) << mine;
    }
}

// A file that could not be read is written only after a read succeeds, and
// then holds what it held with this program's change made in it.
TEST(FileAsRead, AFileNeverReadIsNeverWrittenWithoutAFreshRead) {
    FileAsRead<LinkRecord> asRead;
    std::vector<LinkRecord> mine;
    asRead.Loaded(std::nullopt, false, mine, SameTexts);
    mine = L("N");
    for (LoadOutcome outcome : {LoadOutcome::LeftAlone, LoadOutcome::Loaded}) {
        EXPECT_EQ(asRead.TakeInOtherEdits(
                      "no file", mine,
                      [&](const std::string&, std::vector<LinkRecord>& read) {
                          read = L("A B C");
                          return outcome;
                      },
                      SameTexts),
                  outcome == LoadOutcome::Loaded);
    }
    EXPECT_EQ(mine, L("A B C N"));
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
    const auto stamp = StampOfFile(folder.File("links.txt"));
    EXPECT_NE(stamp, replaced);
    // The same size written in place with its time put back (cp -p, touch -r).
    const auto file = folder.Path() / "links.txt";
    const auto time = std::filesystem::last_write_time(file);
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // past the clock's tick
    folder.Write("links.txt", "a|ce\n");
    std::filesystem::last_write_time(file, time);
    EXPECT_NE(StampOfFile(folder.File("links.txt")), stamp);
}

} // namespace
} // namespace quill
