#include "core/commands/DueTaskPass.h"

#include "core/settings/ProfileValues.h"
#include "core/tasks/TaskFile.h"
#include "core/tasks/TaskPostpone.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace quill {
namespace {

using Tasks = std::vector<TaskRecord>;
using Names = std::vector<std::string>;

// Answers each reminder from a script; runs an action while a dialog is "open".
struct FakeReminders : ReminderDialog, AllViews {
    ReminderReply ShowReminder(const DateTime& due, const std::string& comment,
                               bool missed) override {
        // A missed one by when it was due.
        shown.push_back(missed ? "missed " + FormatTaskDateTime(due).time : comment);
        if (auto action = std::exchange(whileOpen, nullptr)) {
            action();
        }
        answers.emplace_back();
        const ReminderReply answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowMoreMissed(std::size_t count) override {
        shown.push_back("+" + std::to_string(count));
    }
    void UpdateAllViews() override { ++viewUpdates; }

    Names shown;
    std::deque<ReminderReply> answers;
    std::function<void()> whileOpen;
    int viewUpdates = 0;
};

// A task on the day the tests run, 17.05.2024.
TaskRecord Today(const char* time, const char* comment, bool reminded = false) {
    return {"17.05.2024", time, comment, reminded};
}

class DueTaskPassTest : public ::testing::Test {
protected:
    void SetTasks(Tasks tasks) {
        data.store.Tasks() = std::move(tasks);
        ASSERT_TRUE(data.store.SaveTasks());
    }
    Tasks& List() { return data.store.Tasks(); }

    test::StoreFolder data;
    test::FixedClock clock{DateTime{2024, 5, 17, 15, 30}};
    FakeReminders reminders;
    test::FakeProfile profile;
    DueTaskPass pass{data.store, clock, reminders, reminders, profile};
};

TEST_F(DueTaskPassTest, DeleteFindsItsTaskAgainInAListReloadedAndChangedMeanwhile) {
    SetTasks({Today("15:30", "a"), Today("15:30", "b"), Today("15:30", "c"), Today("15:30", "d")});
    // While "a" is open another program drops "a" and "d" and swaps the rest.
    reminders.whileOpen = [this] {
        ASSERT_TRUE(SaveTaskFile(
            data.store.TaskFilePath(),
            Tasks{{"01.01.2024", "10:00", "new"}, Today("15:30", "c"), Today("15:30", "b")}));
        data.store.Reload();
    };
    reminders.answers = {{ReminderAnswer::Delete}, {ReminderAnswer::Delete}};
    pass.Run();

    // Nothing deleted for the gone "a", "b" deleted where it moved, "d" never shown.
    EXPECT_EQ(reminders.shown, (Names{"a", "b", "c"}));
    EXPECT_EQ(List(), (Tasks{{"01.01.2024", "10:00", "new"}, Today("15:30", "c", true)}));
    EXPECT_EQ(data.Tasks(), "01.01.2024|10:00|new\r\n17.05.2024|15:30|c\r\n");
    EXPECT_EQ(reminders.viewUpdates, 1);
}

// What the pass at start and the next passes remind after an earlier run's
// last pass (none: the first run): the missed ones, then this minute's, once.
TEST_F(DueTaskPassTest, MissedRemindersComeFromTheLastCheckedMinuteToNow) {
    const std::pair<std::optional<std::string>, Names> cases[] = {
        {"17.05.2024 10:00", {"09:10"}}, // the clock set back
        {"16.05.2024 23:58",
         {"missed 23:59", "missed 09:00", "missed 09:03", "missed 09:09", "09:10"}},
        // A long absence: five, oldest first, then how many more.
        {"15.05.2024 00:00",
         {"missed 12:00", "missed 23:58", "missed 23:59", "missed 09:00", "missed 09:03", "+1",
          "09:10"}}};
    for (const auto& [lastCheck, atStart] : cases) {
        SCOPED_TRACE(lastCheck.value_or("none"));
        profile.values.clear();
        if (lastCheck) {
            profile.values[{"Status", "Last due check"}] = *lastCheck;
        }
        Tasks tasks; // each named by its time
        for (const char* at : {"16 23:58", "17 09:09", "17 09:10", "17 09:11", "16 23:59",
                               "17 09:03", "17 09:00", "15 12:00"}) {
            tasks.push_back({std::string(at, 2) + ".05.2024", at + 3, at + 3});
        }
        SetTasks(tasks);
        const std::string file = data.Tasks();
        clock.now = {2024, 5, 17, 9, 10};
        reminders.shown.clear();
        DueTaskPass started{data.store, clock, reminders, reminders, profile};
        started.LookAgainAtThisMinute();
        started.Run();
        started.Run();
        EXPECT_EQ(reminders.shown, atStart);
        EXPECT_EQ(ReadString(profile, values::kLastDueCheck), "17.05.2024 09:10");
        EXPECT_EQ(data.Tasks(), file); // missed ones stay on the Tasks page
    }
}

// Forward for Later, back for the minute before a pass; across days, months, years, pre-1970.
TEST(AddMinutes, CrossesDaysMonthsAndYearsBothWays) {
    const std::tuple<DateTime, int, DateTime> cases[] = {
        {{2024, 2, 28, 23, 59}, 5, {2024, 2, 29, 0, 4}},
        {{2100, 2, 28, 23, 59}, 10, {2100, 3, 1, 0, 9}},
        {{1960, 3, 1, 0, 0}, -1, {1960, 2, 29, 23, 59}},
        {{1900, 1, 1, 0, 1}, -2882, {1899, 12, 29, 23, 59}}};
    for (const auto& [start, minutes, expected] : cases) {
        EXPECT_EQ(AddMinutes(start, minutes), expected) << minutes;
    }
}

} // namespace
} // namespace quill
