#include "tasks/TaskFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;

TEST(TaskFile, SplitsAtTheFirstSeparatorsAndLoadedTasksStartNotReminded) {
    test::TempFolder folder;
    folder.Write("tasks", "05.03.2004|09:05|Call the bank\r\n"
                          "31.12.2004|23:30|Backup | archive\n"
                          "a|b\r\n"
                          "abc\r\n"
                          "\r\n"
                          "01.01.2005|10:00|");
    Tasks tasks{{"01.01.2000", "00:00", "before", true}};

    EXPECT_EQ(LoadTaskFile(folder.File("tasks"), tasks), LoadOutcome::Loaded);

    EXPECT_EQ(tasks, (Tasks{{"01.01.2000", "00:00", "before", true},
                            {"05.03.2004", "09:05", "Call the bank"},
                            {"31.12.2004", "23:30", "Backup | archive"},
                            {"a", "b", "b"},
                            {"abc", "abc", "abc"},
                            {"", "", ""},
                            {"01.01.2005", "10:00", ""}}));
}

TEST(TaskFile, SaveKeepsListOrderAndLineBreaksNeverSplitARecord) {
    test::TempFolder folder;
    ASSERT_TRUE(SaveTaskFile(folder.File("tasks"), {{"01.05.2005", "10:00", "May"},
                                                    {"01.03.2005", "10:00", "March | bar"},
                                                    {"01.04.2005", "10:00", "a\nb"}}));

    EXPECT_EQ(folder.Read("tasks"), "01.05.2005|10:00|May\r\n"
                                    "01.03.2005|10:00|March | bar\r\n"
                                    "01.04.2005|10:00|a b\r\n");
}

TEST(TaskFile, MissingFileIsCreatedEmpty) {
    test::TempFolder folder;
    Tasks tasks;
    EXPECT_EQ(LoadTaskFile(folder.File("tasks"), tasks), LoadOutcome::CreatedNew);
    EXPECT_EQ(LoadTaskFile(folder.File("tasks"), tasks), LoadOutcome::Loaded);
    EXPECT_TRUE(tasks.empty());
    EXPECT_EQ(folder.Listing(), "tasks\n");
}

} // namespace
} // namespace quill
