#include "tasks/TaskFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;

Tasks Load(const std::string& path) {
    Tasks tasks;
    LoadTaskFile(path, tasks);
    return tasks;
}

TEST(TaskFile, SplitsDateTimeAndCommentAtTheFirstSeparators) {
    test::TempFolder folder;
    folder.Write("tasks", "05.03.2004|09:05|Call the bank\r\n"
                          "31.12.2004|23:30|Backup | archive\n"
                          "a|b\r\n"
                          "abc\r\n"
                          "\r\n"
                          "01.01.2005|10:00|");

    EXPECT_EQ(Load(folder.File("tasks")), (Tasks{{"05.03.2004", "09:05", "Call the bank"},
                                                 {"31.12.2004", "23:30", "Backup | archive"},
                                                 {"a", "b", "b"},
                                                 {"abc", "abc", "abc"},
                                                 {"", "", ""},
                                                 {"01.01.2005", "10:00", ""}}));
}

TEST(TaskFile, EveryLoadedTaskStartsNotReminded) {
    test::TempFolder folder;
    folder.Write("tasks", "05.03.2004|09:05|x\r\n");
    Tasks tasks{{"01.01.2000", "00:00", "before", true}};

    LoadTaskFile(folder.File("tasks"), tasks);

    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_TRUE(tasks[0].reminded);
    EXPECT_FALSE(tasks[1].reminded);
}

TEST(TaskFile, SaveKeepsListOrderAndReadsBackTheSame) {
    test::TempFolder folder;
    Tasks tasks{{"01.05.2005", "10:00", "May"},
                {"01.03.2005", "10:00", "March | with bar"},
                {"01.04.2005", "10:00", ""}};

    ASSERT_TRUE(SaveTaskFile(folder.File("tasks"), tasks));

    EXPECT_EQ(folder.Read("tasks"), "01.05.2005|10:00|May\r\n"
                                    "01.03.2005|10:00|March | with bar\r\n"
                                    "01.04.2005|10:00|\r\n");
    EXPECT_EQ(Load(folder.File("tasks")), tasks);
}

TEST(TaskFile, MissingFileIsCreatedEmptyAndEmptyFileIsEmptyList) {
    test::TempFolder folder;
    Tasks tasks;

    EXPECT_EQ(LoadTaskFile(folder.File("tasks"), tasks), LoadOutcome::CreatedNew);
    EXPECT_TRUE(tasks.empty());
    EXPECT_EQ(folder.Listing(), "tasks\n");
    EXPECT_EQ(LoadTaskFile(folder.File("tasks"), tasks), LoadOutcome::Loaded);
    EXPECT_TRUE(tasks.empty());
}

TEST(TaskFile, CommentWithLineBreaksStaysOneRecord) {
    test::TempFolder folder;

    ASSERT_TRUE(SaveTaskFile(folder.File("tasks"), {{"01.01.2005", "10:00", "a\nb"}}));

    EXPECT_EQ(Load(folder.File("tasks")), (Tasks{{"01.01.2005", "10:00", "a b"}}));
}

} // namespace
} // namespace quill
