// Reminders against a simulated event loop: one clock for the minutes and the
// timers, timers that fire when the clock reaches them, the real commands,
// store and task file.
#include "commands/DueTaskPass.h"
#include "commands/TaskCommands.h"
#include "frame/FrameTimerDuties.h"
#include "frame/FrameWindowProbe.h"
#include "frame/WindowAlpha.h"
#include "settings/ProfileValues.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"
#include "tasks/TaskFile.h"
#include "tasks/TaskPostpone.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace quill {
namespace {

constexpr std::int64_t kMinute = 60'000;
const DateTime kAtZero{2024, 5, 17, 15, 30}; // the minute starting at 0 ms

struct Shown {
    std::string comment;
    DateTime due, at;
    bool missed;
};

struct Simulation : Clock,
                    TimerClock,
                    FrameWindowProbe,
                    WindowAlpha,
                    ReminderDialog,
                    AllViews,
                    TaskDialogs {
    DateTime Now() const override {
        return AddMinutes(kAtZero,
                          static_cast<int>((ms - (ms % kMinute + kMinute) % kMinute) / kMinute));
    }
    std::int64_t WallMs() const override { return ms; }
    std::int64_t SteadyMs() const override { return ms; }
    CursorPlace LocateCursor() override { return CursorPlace::Outside; }
    bool StartTimer(int id, int periodMs) override {
        return timers[id] = {ms + periodMs + latency, periodMs}, true;
    }
    void StopTimer(int id) override { timers.erase(id); }
    void Repaint() override {}
    void SetAlpha(std::uint8_t) override {}
    void UpdateAllViews() override {}
    ReminderReply ShowReminder(const DateTime& due, const std::string& comment,
                               bool missed) override {
        shown.push_back({comment, due, Now(), missed});
        const auto held = holdOpen.find(comment);
        if (held == holdOpen.end()) {
            return {};
        }
        const auto [until, reply] = held->second;
        holdOpen.erase(held);
        RunUntil(until); // the reminder's own event loop
        return reply;
    }
    void ShowMoreMissed(std::size_t) override { ADD_FAILURE() << "more than five missed"; }
    std::optional<TaskDraft> AskNewTask(const TaskDraft& initial) override {
        EXPECT_EQ(initial.when, Now()); // the current minute proposed
        return answer;
    }
    std::optional<TaskDraft> AskEditedTask(const TaskDraft&) override { return answer; }
    bool ConfirmDeleteTask() override { return true; }

    // Fires the timers due until `to` in time order, the clock at each.
    void RunUntil(std::int64_t to) {
        for (;;) {
            auto next = std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) {
                return a.second.at < b.second.at;
            });
            if (next == timers.end() || next->second.at > to) {
                break;
            }
            const int id = next->first;
            ms = std::max(ms, next->second.at);
            next->second.at += std::max(next->second.period, 1);
            beforeTimer();
            onTimer(id);
        }
        ms = std::max(ms, to);
    }

    struct Timer {
        std::int64_t at;
        int period;
    };
    std::int64_t ms = 0;
    int latency = 0; // how late every timer fires
    std::map<int, Timer> timers;
    std::function<void(int)> onTimer;
    std::function<void()> beforeTimer = [] {};
    std::optional<TaskDraft> answer;
    std::map<std::string, std::pair<std::int64_t, ReminderReply>> holdOpen;
    std::vector<Shown> shown;
};

class ReminderTimingTest : public ::testing::Test {
protected:
    void StartAt(std::int64_t ms) {
        sim.ms = ms;
        duties.reset();
        pass.emplace(data.store, sim, sim, sim, profile);
        duties.emplace(settings, false, sim, sim, *pass, sim);
        sim.onTimer = [this](int id) { duties->OnTimer(id); };
        data.store.OnTasksChanged([this] { duties->OnTasksChanged(); });
        data.store.Tasks().clear(); // no reminder marks from an earlier case
        data.store.Reload();
        ASSERT_TRUE(duties->StartTimers());
        sim.RunUntil(ms);
    }
    // At `ms`, the user confirms a task dialog with this draft; then the loop runs on.
    void Command(std::int64_t ms, const std::string& command, TaskDraft draft) {
        sim.RunUntil(ms);
        sim.answer = std::move(draft);
        RunTaskCommand(command, data.store, sim, sim);
        sim.RunUntil(ms);
    }
    DateTime At(int minutes) { return AddMinutes(kAtZero, minutes); }

    test::StoreFolder data;
    test::FakeProfile profile;
    FrameSettings settings;
    Simulation sim;
    std::optional<DueTaskPass> pass;
    std::optional<FrameTimerDuties> duties;
};

TEST_F(ReminderTimingTest, ATaskOfTheStartMinuteIsRemindedAtStartWithOrWithoutAnEarlierRun) {
    for (const std::int64_t second : {5, 55}) {
        for (const bool earlierRun : {false, true}) {
            SCOPED_TRACE(testing::Message() << second << " s, earlier run " << earlierRun);
            profile.values.clear();
            if (earlierRun) {
                WriteString(profile, values::kLastDueCheck, "17.05.2024 15:20");
            }
            sim.shown.clear();
            data.WriteTasks("17.05.2024|15:31|next\r\n17.05.2024|15:30|now\r\n"
                            "17.05.2024|15:25|missed\r\n");
            StartAt(second * 1000);
            sim.RunUntil(kMinute + 100);
            std::vector<std::string> comments;
            for (const Shown& s : sim.shown) {
                EXPECT_EQ(s.missed, s.comment == "missed");
                EXPECT_EQ(s.at, s.missed ? At(0) : s.due) << s.comment;
                comments.push_back(s.comment);
            }
            using Names = std::vector<std::string>;
            EXPECT_EQ(comments,
                      earlierRun ? (Names{"missed", "now", "next"}) : (Names{"now", "next"}));
            EXPECT_EQ(ReadString(profile, values::kLastDueCheck), "17.05.2024 15:31");
        }
    }
}

// Added, edited (into the minute, or confirmed unchanged) and postponed at a
// minute's first, middle and last second; the last also with a loop so busy
// that the pass comes only in the next minute, as a missed reminder.
TEST_F(ReminderTimingTest, AddedEditedOrPostponedIntoTheMinuteIsRemindedOnce) {
    for (const auto& [intoMinute, latency] :
         {std::pair{200, 0}, {30'000, 0}, {59'800, 0}, {59'995, 20}}) {
        SCOPED_TRACE(testing::Message() << intoMinute << " ms, late by " << latency);
        data.WriteTasks("17.05.2024|16:00|to edit\r\n17.05.2024|15:32|again\r\n"
                        "17.05.2024|15:33|later\r\n");
        sim.shown.clear();
        StartAt(-kMinute + 50'000);
        sim.latency = latency;
        Command(intoMinute, "Add task", {At(0), "added"});
        Command(kMinute + intoMinute, "Edit task|0", {At(1), "edited"});
        Command(2 * kMinute + intoMinute, "Edit task|1", {At(2), "again"});
        sim.holdOpen["later"] = {3 * kMinute + intoMinute, {ReminderAnswer::Later, 5}};
        sim.RunUntil(10 * kMinute);

        const std::vector<std::tuple<std::string, int, int>> expected{
            {"added", 0, 0}, {"edited", 1, 1}, {"again", 2, 2}, // the first at the minute's start
            {"again", 2, 2}, {"later", 3, 3},  {"later", 8, 8}};
        ASSERT_EQ(sim.shown.size(), expected.size());
        const bool late = intoMinute + latency >= kMinute;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto& [comment, due, at] = expected[i];
            const bool lateOne = late && i != 2 && i != 4 && i != 5;
            EXPECT_EQ(sim.shown[i].comment, comment);
            EXPECT_EQ(sim.shown[i].due, At(due)) << i;
            EXPECT_EQ(sim.shown[i].at, At(at + lateOne)) << i;
            EXPECT_EQ(sim.shown[i].missed, lateOne) << i;
        }
    }
}

// Whatever is added, edited or written by another program, at whatever time:
// every task that is in the list during its minute is reminded exactly once,
// within that minute, and no other task is reminded.
TEST_F(ReminderTimingTest, RandomChangesRemindEachTaskListedInItsMinuteExactlyOnce) {
    std::mt19937 random(20261207);
    auto pick = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    StartAt(100);
    std::set<std::string> listedInItsMinute;
    sim.beforeTimer = [&] {
        for (const TaskRecord& task : data.store.Tasks()) {
            if (ParseTaskDateTime(task.m_date, task.m_time) == sim.Now()) {
                listedInItsMinute.insert(task.m_comment);
            }
        }
    };
    int made = 0;
    for (int step = 0; step < 150; ++step) {
        const TaskDraft draft{AddMinutes(sim.Now(), pick(-2, 2)), "t" + std::to_string(++made)};
        const std::int64_t ms = sim.ms + 250 * pick(0, 60);
        switch (pick(0, 2)) {
        case 0:
            Command(ms, "Add task", draft);
            break;
        case 1:
            Command(ms, "Edit task|" + std::to_string(pick(0, 30)), draft);
            break;
        default: { // another program appends a task and the store reads the file again
            sim.RunUntil(ms);
            std::vector<TaskRecord> tasks = data.store.Tasks();
            tasks.push_back(MakeTask(draft));
            ASSERT_TRUE(SaveTaskFile(data.store.TaskFilePath(), tasks));
            data.store.Reload();
        }
        }
        sim.beforeTimer();
        sim.RunUntil(sim.ms);
    }
    sim.RunUntil(sim.ms + 3 * kMinute);
    std::map<std::string, int> reminders;
    for (const Shown& s : sim.shown) {
        ++reminders[s.comment];
        EXPECT_TRUE(s.at == s.due && !s.missed) << s.comment;
    }
    for (int n = 1; n <= made; ++n) {
        const std::string name = "t" + std::to_string(n);
        EXPECT_EQ(reminders[name], listedInItsMinute.count(name)) << name;
    }
    EXPECT_GT(listedInItsMinute.size(), 20u);
}

} // namespace
} // namespace quill
