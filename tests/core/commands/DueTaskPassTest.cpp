#include "commands/DueTaskPass.h"

#include "support/StoreFolder.h"
#include "tasks/TaskFile.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;

// Answers each reminder from a script; runs an action while a dialog is "open".
struct FakeReminders : ReminderDialog, AllViews {
    ReminderAnswer ShowReminder(const DateTime& due, const std::string& comment) override {
        shown.push_back(comment);
        dues.push_back(due);
        if (whileOpen) {
            auto action = std::exchange(whileOpen, nullptr);
            action();
        }
        if (answers.empty()) {
            return ReminderAnswer::Ok;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void UpdateAllViews() override { ++viewUpdates; }

    std::vector<std::string> shown;
    std::vector<DateTime> dues;
    std::deque<ReminderAnswer> answers;
    std::function<void()> whileOpen;
    int viewUpdates = 0;
};

class DueTaskPassTest : public ::testing::Test {
protected:
    void SetTasks(Tasks tasks) {
        data.store.Tasks() = std::move(tasks);
        ASSERT_TRUE(data.store.SaveTasks());
    }
    Tasks FileTasks() const {
        Tasks tasks;
        LoadTaskFile(data.store.TaskFilePath(), tasks);
        return tasks;
    }
    // What an activation does: both lists read again, reminders of unchanged tasks kept.
    void Reload() { data.store.Reload(); }
    Tasks& List() { return data.store.Tasks(); }

    test::StoreFolder data;
    test::FixedClock clock{DateTime{2024, 5, 17, 15, 30}};
    FakeReminders reminders;
    DueTaskPass pass{data.store, clock, reminders, reminders};
};

TEST_F(DueTaskPassTest, ATaskIsDueInItsMinuteOnly) {
    SetTasks({{"17.05.2024", "15:30", "bank"}});
    for (DateTime now : {DateTime{2024, 5, 17, 9, 30}, DateTime{2024, 5, 17, 16, 30},
                         DateTime{2024, 5, 17, 15, 29}, DateTime{2024, 5, 18, 15, 30},
                         DateTime{2024, 6, 17, 15, 30}, DateTime{2023, 5, 17, 15, 30}}) {
        clock.now = now;
        pass.Run();
    }
    EXPECT_TRUE(reminders.shown.empty());

    clock.now = {2024, 5, 17, 15, 30};
    pass.Run();
    pass.Run(); // the second pass of the same minute
    EXPECT_EQ(reminders.shown, std::vector<std::string>{"bank"});
    EXPECT_EQ(reminders.dues.at(0), (DateTime{2024, 5, 17, 15, 30}));
    EXPECT_TRUE(List()[0].reminded);
    EXPECT_EQ(reminders.viewUpdates, 0);
}

// Texts that name no date-time are never due; an empty list is quiet.
TEST_F(DueTaskPassTest, TasksOfOneMinuteComeInListOrderEachInItsOwnDialog) {
    pass.Run();
    SetTasks({{"17.05.2024", "15:30", "first"},
              {"17.05.2024", "15:31", "later"},
              {"17.05.2024", "15:30", "second"},
              {"17.5.2024", "15:30", "short day"},
              {"17.05.2024", "15:3", "short minute"},
              {"", "", ""},
              {"31.02.2024", "15:30", "no such day"},
              {"17.05.2024", "15:30", "first"}});
    pass.Run();
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"first", "second", "first"}));
    EXPECT_FALSE(List()[1].reminded);
}

TEST_F(DueTaskPassTest, DeleteFindsItsTaskAgainInAListReloadedAndChangedMeanwhile) {
    SetTasks(
        {{"17.05.2024", "15:30", "a"}, {"17.05.2024", "15:30", "b"}, {"17.05.2024", "15:30", "c"}});
    // While "a" is open another program drops "a", and the activation reloads.
    reminders.whileOpen = [this] {
        ASSERT_TRUE(SaveTaskFile(data.store.TaskFilePath(), Tasks{{"01.01.2024", "10:00", "new"},
                                                                  {"17.05.2024", "15:30", "b"},
                                                                  {"17.05.2024", "15:30", "c"}}));
        Reload();
    };
    reminders.answers = {ReminderAnswer::Delete, ReminderAnswer::Delete, ReminderAnswer::Ok};
    pass.Run();

    // "a" was gone: nothing deleted for it. "b" is deleted though it moved, "c" still comes.
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "b", "c"}));
    const Tasks rest{{"01.01.2024", "10:00", "new"}, {"17.05.2024", "15:30", "c", true}};
    EXPECT_EQ(List(), rest);
    EXPECT_EQ(FileTasks(), (Tasks{{"01.01.2024", "10:00", "new"}, {"17.05.2024", "15:30", "c"}}));
    EXPECT_EQ(reminders.viewUpdates, 1);
}

TEST_F(DueTaskPassTest, AShortenedListIsNeitherSkippedNorVisitedTwice) {
    SetTasks({{"17.05.2024", "15:30", "a"},
              {"17.05.2024", "15:30", "b"},
              {"17.05.2024", "15:30", "c"},
              {"17.05.2024", "15:30", "d"}});
    reminders.answers = {ReminderAnswer::Ok, ReminderAnswer::Delete};
    int opened = 0;
    std::function<void()> arm = [&] {
        if (++opened == 2) {
            List().erase(List().begin()); // "a" goes while "b" is open
            data.store.SaveTasks();
        }
        reminders.whileOpen = arm;
    };
    reminders.whileOpen = arm;
    pass.Run();

    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "b", "c", "d"}));
    const Tasks rest{{"17.05.2024", "15:30", "c", true}, {"17.05.2024", "15:30", "d", true}};
    EXPECT_EQ(List(), rest);
    EXPECT_EQ(FileTasks(), (Tasks{{"17.05.2024", "15:30", "c"}, {"17.05.2024", "15:30", "d"}}));
}

TEST_F(DueTaskPassTest, AReloadInTheSameMinuteDoesNotBringAReminderBack) {
    SetTasks({{"17.05.2024", "15:30", "same"}, {"17.05.2024", "15:30", "same"}});
    reminders.whileOpen = [this] { Reload(); }; // the reminder's own activation reloads
    pass.Run();
    EXPECT_EQ(reminders.shown.size(), 2u); // both records, each once
    Reload();
    pass.Run();
    EXPECT_EQ(reminders.shown.size(), 2u);
    EXPECT_TRUE(List()[0].reminded && List()[1].reminded);
}

TEST_F(DueTaskPassTest, ATickWhileAReminderIsOpenWaitsAndThenLooksAtTheNewMinute) {
    SetTasks({{"17.05.2024", "15:30", "a"},
              {"17.05.2024", "15:31", "next minute"},
              {"17.05.2024", "15:30", "b"}});
    reminders.whileOpen = [this] {
        clock.now = {2024, 5, 17, 15, 31};
        pass.Run(); // the task timer fires inside the dialog's loop
        EXPECT_EQ(reminders.shown.size(), 1u);
    };
    pass.Run();
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "b", "next minute"}));
}

TEST_F(DueTaskPassTest, AFailedSaveIsReportedAndTheTaskStaysOutOfTheList) {
    SetTasks({{"17.05.2024", "15:30", "due"}, {"01.01.2024", "10:00", "kept"}});
    std::filesystem::remove(data.store.TaskFilePath());
    std::filesystem::create_directory(data.store.TaskFilePath()); // cannot be replaced now
    reminders.answers = {ReminderAnswer::Delete};
    pass.Run();

    EXPECT_EQ(data.unsaved, std::vector<std::string>{data.store.TaskFilePath()});
    EXPECT_EQ(List(), (Tasks{{"01.01.2024", "10:00", "kept"}}));
    EXPECT_EQ(reminders.viewUpdates, 1);
}

} // namespace
} // namespace quill
