#include "lists/ListStore.h"

#include "support/StoreFolder.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

std::vector<bool> Reminded(const std::vector<TaskRecord>& tasks) {
    std::vector<bool> reminded;
    for (const TaskRecord& task : tasks) {
        reminded.push_back(task.reminded);
    }
    return reminded;
}

// A save rewrites its file, or reports it once and keeps the list.
TEST(ListStore, LoadsBothFilesCreatingAMissingOneAndSavesThem) {
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

    data.store.SetFolder((data.folder.Path() / "missing").string());
    EXPECT_FALSE(data.store.SaveLinks() || data.store.SaveTasks());
    EXPECT_EQ(data.unsaved,
              (std::vector<std::string>{data.store.LinkFilePath(), data.store.TaskFilePath()}));
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

} // namespace
} // namespace quill
