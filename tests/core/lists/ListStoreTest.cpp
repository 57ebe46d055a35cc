#include "lists/ListStore.h"

#include "support/StoreFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace quill {
namespace {

TEST(ListStore, LoadsBothFilesFromTheWorkingFolderAndCreatesAMissingOne) {
    test::StoreFolder data;
    data.WriteLinks("a.org|A\r\nb.org|B\r\n");

    const ListsLoadReport report = data.store.Reload();

    EXPECT_EQ(data.store.LinkFilePath(), (data.folder.Path() / "Data" / "qmlinks.qbx").string());
    EXPECT_EQ(data.store.TaskFilePath(), (data.folder.Path() / "Data" / "qmtasks.qbx").string());
    EXPECT_EQ(report.links, LoadOutcome::Loaded);
    EXPECT_EQ(report.tasks, LoadOutcome::CreatedNew);
    EXPECT_EQ(data.store.Links(), (std::vector<LinkRecord>{{"a.org", "A"}, {"b.org", "B"}}));
    EXPECT_TRUE(fs::exists(data.store.TaskFilePath()));
}

TEST(ListStore, ReloadReplacesTheListsAndKeepsRemindersOfUnchangedTasksOnly) {
    test::StoreFolder data;
    data.WriteTasks("01.01.2030|10:00|a\r\n01.01.2030|10:00|b\r\n01.01.2030|10:00|c\r\n");
    data.store.Reload();
    for (TaskRecord& task : data.store.Tasks()) {
        task.reminded = true;
    }
    data.store.Links().push_back({"only", "in memory"});
    data.WriteLinks("new.org|from outside\r\n");
    // From outside: "a" removed, "b" moved to another time, "d" added before "c".
    data.WriteTasks("01.01.2030|10:05|b\r\n01.01.2030|10:00|d\r\n01.01.2030|10:00|c\r\n");

    data.store.Reload();

    EXPECT_EQ(data.store.Links(), (std::vector<LinkRecord>{{"new.org", "from outside"}}));
    std::vector<bool> reminded;
    for (const TaskRecord& task : data.store.Tasks()) {
        reminded.push_back(task.reminded);
    }
    EXPECT_EQ(reminded, (std::vector<bool>{false, false, true}));
}

TEST(ListStore, ASaveKeepsWhatAnotherProgramChangedSinceTheLoad) {
    test::StoreFolder data;
    data.WriteTasks("01.01.2030|10:00|a\r\n01.01.2030|11:00|b\r\n");
    data.store.Reload();
    data.store.Tasks()[0].reminded = true;
    // Another program adds "x" in between; this one changes "b".
    data.WriteTasks("01.01.2030|10:00|a\r\n02.02.2030|09:00|x\r\n01.01.2030|11:00|b\r\n");
    data.store.Tasks()[1].m_comment = "b edited";

    ASSERT_TRUE(data.store.SaveTasks());

    std::ifstream in(data.store.TaskFilePath(), std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(saved, "01.01.2030|10:00|a\r\n02.02.2030|09:00|x\r\n01.01.2030|11:00|b edited\r\n");
    ASSERT_EQ(data.store.Tasks().size(), 3u);
    EXPECT_TRUE(data.store.Tasks()[0].reminded);
    EXPECT_FALSE(data.store.Tasks()[1].reminded);
}

TEST(ListStore, DuplicateTasksTakeTheirMarksOneToOneInOrder) {
    std::vector<TaskRecord> previous{{"d", "t", "same", true}, {"d", "t", "same", false}};
    std::vector<TaskRecord> reloaded{{"d", "t", "same"}, {"d", "t", "same"}, {"d", "t", "same"}};

    CarryOverReminders(previous, reloaded);

    EXPECT_TRUE(reloaded[0].reminded);
    EXPECT_FALSE(reloaded[1].reminded);
    EXPECT_FALSE(reloaded[2].reminded);
}

TEST(ListStore, ASaveRewritesItsFileOrReportsItOnceAndKeepsTheList) {
    test::StoreFolder data;
    data.store.Reload();
    data.store.Links().push_back({"a.org", "A"});
    data.store.Tasks().push_back({"01.01.2030", "10:00", "t"});
    EXPECT_TRUE(data.store.SaveLinks());
    EXPECT_TRUE(data.store.SaveTasks());
    EXPECT_EQ(data.Links(), "a.org|A\r\n");
    EXPECT_EQ(data.Tasks(), "01.01.2030|10:00|t\r\n");
    EXPECT_TRUE(data.unsaved.empty());

    data.store.SetFolder((data.folder.Path() / "missing").string());
    EXPECT_FALSE(data.store.SaveLinks());
    EXPECT_FALSE(data.store.SaveTasks());
    EXPECT_EQ(data.unsaved,
              (std::vector<std::string>{data.store.LinkFilePath(), data.store.TaskFilePath()}));
    EXPECT_EQ(data.store.Links().size(), 1u);
}

} // namespace
} // namespace quill
