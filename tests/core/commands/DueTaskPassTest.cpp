#include "commands/DueTaskPass.h"

#include "settings/ProfileValues.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"
#include "tasks/TaskFile.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;

// Answers each reminder from a script; runs an action while a dialog is "open".
struct FakeReminders : ReminderDialog, AllViews {
    ReminderReply ShowReminder(const DateTime& due, const std::string& comment,
                               bool missed) override {
        shown.push_back((missed ? "missed " : "") + comment);
        dues.push_back(due);
        if (whileOpen) {
            auto action = std::exchange(whileOpen, nullptr);
            action();
        }
        if (answers.empty()) {
            return {};
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowMoreMissed(std::size_t count) override {
        shown.push_back("+" + std::to_string(count));
    }
    void UpdateAllViews() override { ++viewUpdates; }

    std::vector<std::string> shown;
    std::vector<DateTime> dues;
    std::deque<ReminderReply> answers;
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
    test::FakeProfile profile;
    DueTaskPass pass{data.store, clock, reminders, reminders, profile};
};

TEST_F(DueTaskPassTest, ATaskIsDueInItsMinuteOnly) {
    SetTasks({{"17.05.2024", "15:30", "bank"}});
    for (DateTime now : {DateTime{2023, 5, 17, 15, 30}, DateTime{2024, 5, 17, 9, 30},
                         DateTime{2024, 5, 17, 15, 29}}) {
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

// An empty list is quiet.
TEST_F(DueTaskPassTest, TasksOfOneMinuteComeInListOrderEachInItsOwnDialog) {
    pass.Run();
    SetTasks({{"17.05.2024", "15:30", "first"},
              {"17.05.2024", "15:31", "later"},
              {"17.05.2024", "15:30", "second"},
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
    reminders.answers = {ReminderReply{ReminderAnswer::Delete},
                         ReminderReply{ReminderAnswer::Delete}, ReminderReply{}};
    pass.Run();

    // "a" was gone: nothing deleted for it. "b" is deleted though it moved, "c" still comes.
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "b", "c"}));
    const Tasks rest{{"01.01.2024", "10:00", "new"}, {"17.05.2024", "15:30", "c", true}};
    EXPECT_EQ(List(), rest);
    EXPECT_EQ(FileTasks(), (Tasks{{"01.01.2024", "10:00", "new"}, {"17.05.2024", "15:30", "c"}}));
    EXPECT_EQ(reminders.viewUpdates, 1);
}

TEST_F(DueTaskPassTest, ATaskDeletedWhileAnEarlierReminderIsOpenDoesNotComeUp) {
    SetTasks(
        {{"17.05.2024", "15:30", "a"}, {"17.05.2024", "15:30", "b"}, {"17.05.2024", "15:30", "c"}});
    reminders.whileOpen = [this] { List().erase(List().begin() + 1); };
    pass.Run();
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "c"}));
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

// The task timer keeps ticking under an open reminder: the next minute's task
// comes on top of it at once, and nothing comes twice.
TEST_F(DueTaskPassTest, APassUnderAnOpenReminderShowsTheNextMinutesTaskAtOnce) {
    SetTasks({{"17.05.2024", "15:30", "a"},
              {"17.05.2024", "15:31", "next minute"},
              {"17.05.2024", "15:30", "b"}});
    reminders.whileOpen = [this] {
        clock.now = {2024, 5, 17, 15, 31};
        pass.Run();
        EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "next minute"}));
    };
    pass.Run();
    pass.Run();
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "next minute", "b"}));
}

TEST_F(DueTaskPassTest, AFailedSaveIsReportedAndTheTaskStaysOutOfTheList) {
    SetTasks({{"17.05.2024", "15:30", "due"}, {"01.01.2024", "10:00", "kept"}});
    std::filesystem::remove(data.store.TaskFilePath());
    std::filesystem::create_directory(data.store.TaskFilePath()); // cannot be replaced now
    reminders.answers = {ReminderReply{ReminderAnswer::Delete}};
    pass.Run();

    EXPECT_EQ(data.unsaved, std::vector<std::string>{data.store.TaskFilePath()});
    EXPECT_EQ(List(), (Tasks{{"01.01.2024", "10:00", "kept"}}));
    EXPECT_EQ(reminders.viewUpdates, 1);
}

// Which tasks a start (CatchUp) and the next timer pass (Run) remind, given
// the last pass of an earlier run (or none: the first run) and the clock now.
TEST_F(DueTaskPassTest, MissedRemindersComeFromTheLastCheckedMinuteToNow) {
    struct Case {
        const char* what;
        std::optional<std::string> lastCheck;
        DateTime now;
        std::vector<std::string> atStart;
        std::vector<std::string> onTimer;
    };
    const Case cases[] = {
        {"first run", std::nullopt, {2024, 5, 17, 9, 10}, {}, {"09:10"}},
        {"clock set back", "17.05.2024 10:00", {2024, 5, 17, 9, 10}, {}, {"09:10"}},
        {"restart after a night",
         "16.05.2024 23:58",
         {2024, 5, 17, 9, 10},
         {"missed 23:59", "missed 09:00", "missed 09:03", "missed 09:09"},
         {"09:10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        profile.values.clear();
        if (c.lastCheck) {
            profile.Set("Status", "Last due check", *c.lastCheck);
        }
        SetTasks({{"16.05.2024", "23:58", "23:58"},
                  {"17.05.2024", "09:09", "09:09"},
                  {"17.05.2024", "09:10", "09:10"},
                  {"17.05.2024", "09:11", "09:11"},
                  {"16.05.2024", "23:59", "23:59"},
                  {"17.05.2024", "09:03", "09:03"},
                  {"17.05.2024", "09:00", "09:00"}});
        clock.now = c.now;
        reminders.shown.clear();
        DueTaskPass started{data.store, clock, reminders, reminders, profile};
        started.CatchUp();
        EXPECT_EQ(reminders.shown, c.atStart);
        reminders.shown.clear();
        started.Run();
        started.Run();
        EXPECT_EQ(reminders.shown, c.onTimer);
        EXPECT_EQ(ReadString(profile, values::kLastDueCheck), "17.05.2024 09:10");
    }
}

TEST_F(DueTaskPassTest, AClockJumpOrAHeldUpPassCatchesUpAtTheNextTick) {
    SetTasks({{"17.05.2024", "15:31", "held up"}, {"17.05.2024", "18:00", "jumped over"}});
    pass.Run();
    clock.now = {2024, 5, 17, 19, 0};
    pass.Run();
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"missed held up", "missed jumped over"}));
    EXPECT_EQ(profile.writes.size(), 2u); // once for each minute a pass saw
}

// Five missed reminders, oldest first, then how many more; the current
// minute's task after them, and none of them again.
TEST_F(DueTaskPassTest, ALongAbsenceShowsFiveMissedRemindersThenACount) {
    profile.Set("Status", "Last due check", "01.05.2024 00:00");
    Tasks tasks{{"17.05.2024", "15:30", "now"}};
    for (const char* day : {"09", "03", "07", "02", "08", "05", "04", "06"}) {
        tasks.push_back({std::string(day) + ".05.2024", "12:00", day});
    }
    SetTasks(tasks);
    DueTaskPass started{data.store, clock, reminders, reminders, profile};
    started.CatchUp();
    started.Run();
    started.Run();
    EXPECT_EQ(reminders.shown, (std::vector<std::string>{"missed 02", "missed 03", "missed 04",
                                                         "missed 05", "missed 06", "+3", "now"}));
    EXPECT_EQ(FileTasks().size(), tasks.size()); // they stay on the Tasks page
}

// "Later" moves the task to the clock's minute when the reminder closes plus
// the choice, across days, months and years, and it comes again then.
TEST_F(DueTaskPassTest, LaterMovesTheTaskAndItComesAgain) {
    struct Case {
        DateTime closed;
        int minutes;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {{2024, 5, 17, 15, 32}, 5, "17.05.2024", "15:37"},
        {{2024, 5, 17, 23, 45}, 30, "18.05.2024", "00:15"},
        {{2024, 4, 30, 23, 30}, 60, "01.05.2024", "00:30"},
        {{2024, 2, 28, 23, 59}, 5, "29.02.2024", "00:04"},
        {{2100, 2, 28, 23, 59}, 10, "01.03.2100", "00:09"},
        {{2026, 12, 31, 23, 50}, 10, "01.01.2027", "00:00"},
    };
    for (const Case& c : cases) {
        clock.now = {2024, 5, 17, 15, 30};
        SetTasks({{"01.01.2024", "10:00", "old"}, {"17.05.2024", "15:30", "a"}});
        reminders.shown.clear();
        reminders.answers = {ReminderReply{ReminderAnswer::Later, c.minutes}};
        reminders.whileOpen = [&] { clock.now = c.closed; };
        pass.Run();
        EXPECT_EQ(FileTasks(), (Tasks{{"01.01.2024", "10:00", "old"}, {c.date, c.time, "a"}}));
        clock.now = *ParseTaskDateTime(c.date, c.time);
        pass.Run();
        EXPECT_EQ(reminders.shown, (std::vector<std::string>{"a", "a"}));
    }
}

} // namespace
} // namespace quill
