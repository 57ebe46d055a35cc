#include "tasks/DueTaskPass.h"

#include "app/Clock.h"
#include "frame/AllViews.h"
#include "frame/MainFrameState.h"
#include "support/TempFolder.h"
#include "tasks/ReminderDialog.h"
#include "tasks/TaskFile.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;

struct FakeClock : Clock {
    DateTime Now() const override { return now; }
    DateTime now{2024, 5, 17, 15, 30};
};

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
    void ReportTaskFileNotSaved(const std::string& path) override { notSaved.push_back(path); }
    void UpdateAllViews() override { ++viewUpdates; }

    std::vector<std::string> shown;
    std::vector<DateTime> dues;
    std::deque<ReminderAnswer> answers;
    std::function<void()> whileOpen;
    std::vector<std::string> notSaved;
    int viewUpdates = 0;
};

class DueTaskPassTest : public ::testing::Test {
protected:
    DueTaskPassTest() {
        state.m_taskFilePath = folder.File("qmtasks.qbx");
        state.m_linkFilePath = folder.File("qmlinks.qbx");
    }

    void SetTasks(Tasks tasks) {
        state.m_tasks = std::move(tasks);
        ASSERT_TRUE(SaveTaskFile(state.m_taskFilePath, state.m_tasks));
    }
    Tasks FileTasks() const {
        Tasks tasks;
        LoadTaskFile(state.m_taskFilePath, tasks);
        return tasks;
    }
    // What an activation does: both lists read again, reminders of unchanged tasks kept.
    void Reload() { ReloadLists(state); }

    test::TempFolder folder;
    MainFrameState state;
    FakeClock clock;
    FakeReminders reminders;
    DueTaskPass pass{state, clock, reminders, reminders};
};

TEST_F(DueTaskPassTest, ATaskIsDueInItsMinuteOnly) {
    SetTasks({{"17.05.2024", "15:30", "bank"}});
    for (DateTime now : {DateTime{2024, 5, 17, 9, 30}, DateTime{2024, 5, 17, 16, 30},
                         DateTime{2024, 5, 17, 15, 29}, DateTime{2024, 5, 18, 15, 30},
                         DateTime{2023, 5, 17, 15, 30}}) {
        clock.now = now;
        pass.Run();
    }
    EXPECT_TRUE(reminders.shown.empty());

    clock.now = {2024, 5, 17, 15, 30};
    pass.Run();
    pass.Run(); // the second pass of the same minute
    EXPECT_EQ(reminders.shown, std::vector<std::string>{"bank"});
    EXPECT_EQ(reminders.dues.at(0), (DateTime{2024, 5, 17, 15, 30}));
    EXPECT_TRUE(state.m_tasks[0].reminded);
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
    EXPECT_FALSE(state.m_tasks[1].reminded);
}

TEST_F(DueTaskPassTest, DeleteFindsItsTaskAgainInAListReloadedAndChangedMeanwhile) {
    SetTasks(
        {{"17.05.2024", "15:30", "a"}, {"17.05.2024", "15:30", "b"}, {"17.05.2024", "15:30", "c"}});
    // While "a" is open another program drops "a", and the activation reloads.
    reminders.whileOpen = [this] {
        ASSERT_TRUE(SaveTaskFile(state.m_taskFilePath, Tasks{{"01.01.2024", "10:00", "new"},
                                                             {"17.05.2024", "15:30", "b"},
                                                             {"17.05.2024", "15:30", "c"}}));
        Reload();
    };
    reminders.answers = {ReminderAnswer::Delete, ReminderAnswer::Delete, ReminderAnswer::Ok};
    pass.Run();

    // "a" was gone: nothing deleted for it. "b" is deleted though it moved, "c" still comes.
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "b", "c"}));
    const Tasks rest{{"01.01.2024", "10:00", "new"}, {"17.05.2024", "15:30", "c", true}};
    EXPECT_EQ(state.m_tasks, rest);
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
            state.m_tasks.erase(state.m_tasks.begin()); // "a" goes while "b" is open
            SaveTaskFile(state.m_taskFilePath, state.m_tasks);
        }
        reminders.whileOpen = arm;
    };
    reminders.whileOpen = arm;
    pass.Run();

    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "b", "c", "d"}));
    const Tasks rest{{"17.05.2024", "15:30", "c", true}, {"17.05.2024", "15:30", "d", true}};
    EXPECT_EQ(state.m_tasks, rest);
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
    EXPECT_TRUE(state.m_tasks[0].reminded && state.m_tasks[1].reminded);
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
    std::filesystem::remove(state.m_taskFilePath);
    std::filesystem::create_directory(state.m_taskFilePath); // cannot be replaced now
    reminders.answers = {ReminderAnswer::Delete};
    pass.Run();

    EXPECT_EQ(reminders.notSaved, std::vector<std::string>{state.m_taskFilePath});
    EXPECT_EQ(state.m_tasks, (Tasks{{"01.01.2024", "10:00", "kept"}}));
    EXPECT_EQ(reminders.viewUpdates, 1);
}

} // namespace
} // namespace quill
