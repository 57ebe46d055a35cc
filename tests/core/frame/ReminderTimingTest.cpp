// Reminders in a simulated event loop whose one clock drives minutes and timers;
// store, task file and timer duties are real, tasks made as the dialogs make them.
#include "core/commands/DueTaskPass.h"
#include "core/commands/TaskCommands.h"
#include "core/frame/FrameTimerDuties.h"
#include "core/frame/FrameWindowProbe.h"
#include "core/frame/WindowAlpha.h"
#include "core/settings/ProfileValues.h"
#include "core/tasks/TaskPostpone.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace quill {
namespace {

constexpr std::int64_t kMinute = 60'000;

DateTime At(std::int64_t minutes) { // 0 ms is 17.05.2024 15:30:00
    return AddMinutes({2024, 5, 17, 15, 30}, static_cast<int>(minutes));
}

struct Sim : Clock, TimerClock, FrameWindowProbe, ReminderDialog, AllViews {
    DateTime Now() const override {
        return At((ms - (ms % kMinute + kMinute) % kMinute) / kMinute);
    }
    std::int64_t WallMs() const override { return ms; }
    std::int64_t SteadyMs() const override { return ms; }
    CursorPlace LocateCursor() override { return CursorPlace::Outside; }
    bool StartTimer(int id, int periodMs) override {
        return timers[id] = {ms + periodMs + latency, periodMs}, true;
    }
    void StopTimer(int id) override { timers.erase(id); }
    void Repaint() override {}
    void UpdateAllViews() override {}
    // Logged as "comment due>when shown", or "due!when" when shown as missed.
    ReminderReply ShowReminder(const DateTime& due, const std::string& comment,
                               bool missed) override {
        shown.push_back(comment + " " + FormatTaskDateTime(due).time + (missed ? "!" : ">") +
                        FormatTaskDateTime(Now()).time);
        if (comment != postpone.first) {
            return {};
        }
        RunUntil(std::exchange(postpone, {}).second); // open until then
        return {ReminderAnswer::Later, 5};
    }
    void ShowMoreMissed(std::size_t) override {}

    // Fires the timers due until `to` in time order, the clock at each.
    void RunUntil(std::int64_t to) {
        auto next = [this] {
            return std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) {
                return a.second.first < b.second.first;
            });
        };
        for (auto it = next(); it != timers.end() && it->second.first <= to; it = next()) {
            ms = std::max(ms, it->second.first);
            it->second.first += std::max(it->second.second, 1);
            duties->OnTimer(it->first);
        }
        ms = std::max(ms, to);
    }
    void StartAt(std::int64_t at, int late) {
        ms = at;
        latency = late;
        shown.clear();
        duties.reset();
        pass.emplace(data.store, *this, *this, *this, profile);
        duties.emplace(settings, false, alpha, *this, *pass, *this);
        data.store.OnTasksChanged([this] { duties->OnTasksChanged(); });
        data.store.Tasks().clear(); // no reminder marks from an earlier case
        data.store.Reload();
        ASSERT_TRUE(duties->StartTimers());
    }
    // At `at`, the task at `index` (a new one past the end) confirmed as `draft`.
    void Confirm(std::int64_t at, std::size_t index, const TaskDraft& draft) {
        RunUntil(at);
        data.store.Tasks().resize(std::max(data.store.Tasks().size(), index + 1));
        data.store.Tasks()[index] = MakeTask(draft);
        data.store.SaveTasks();
    }

    std::int64_t ms = 0;
    int latency = 0;                                    // how late every timer fires
    std::map<int, std::pair<std::int64_t, int>> timers; // when next, period
    std::pair<std::string, std::int64_t> postpone;      // this task's reminder: Later, at
    std::vector<std::string> shown;
    test::StoreFolder data;
    test::FakeProfile profile;
    FrameSettings settings;
    struct : WindowAlpha {
        void SetAlpha(std::uint8_t) override {}
    } alpha;
    std::optional<DueTaskPass> pass;
    std::optional<FrameTimerDuties> duties;
};

class ReminderTimingTest : public ::testing::Test, protected Sim {};

// Started in a task's minute (its 5th or 55th second, after an earlier run or the
// first; a bad date is never due, a task twice is reminded twice); then tasks added,
// edited (into the minute, or unchanged) and postponed at a minute's first, middle
// and last second, the last also with the pass late into the next minute, as missed.
TEST_F(ReminderTimingTest, EachTaskIsRemindedOnceWithinItsMinute) {
    const std::tuple<int, int, bool> cases[] = {{5'000, 0, false}, {55'000, 0, true},
                                                {200, 0, true},    {30'000, 0, false},
                                                {59'800, 0, true}, {59'995, 20, true}};
    for (const auto& [into, late, earlierRun] : cases) {
        SCOPED_TRACE(testing::Message() << into << " ms, late by " << late);
        profile = {};
        if (earlierRun) {
            WriteString(profile, values::kLastDueCheck, "17.05.2024 15:20");
        }
        data.WriteTasks("17.05.2024|16:00|to edit\r\n17.05.2024|15:32|again\r\n"
                        "17.05.2024|15:33|later\r\n17.05.2024|15:29|start\r\n"
                        "17.05.2024|15:25|missed\r\n31.02.2024|15:29|no such day\r\n"
                        "17.05.2024|15:29|start\r\n");
        StartAt(-kMinute + into, late);
        Confirm(into, 7, {At(0), "added"});
        Confirm(kMinute + into, 0, {At(1), "edited"});
        Confirm(2 * kMinute + into, 1, {At(2), "again"});
        postpone = {"later", 3 * kMinute + into};
        RunUntil(10 * kMinute);

        const bool nextMinute = into + late >= kMinute;
        auto time = [](int minutes) { return FormatTaskDateTime(At(minutes)).time; };
        std::vector<std::string> expected;
        if (earlierRun) { // only the first run catches up nothing
            expected.push_back("missed 15:25!" + time(-1 + nextMinute));
        }
        const std::tuple<const char*, int, bool> reminders[] = {
            {"start", -1, true}, {"start", -1, true}, {"added", 0, true},  {"edited", 1, true},
            {"again", 2, false}, {"again", 2, true},  {"later", 3, false}, {"later", 8, false}};
        for (const auto& [comment, due, mayBeLate] : reminders) {
            const bool missed = nextMinute && mayBeLate;
            expected.push_back(std::string(comment) + " " + time(due) + (missed ? "!" : ">") +
                               time(due + missed));
        }
        EXPECT_EQ(shown, expected);
        EXPECT_NE(data.Tasks().find(time(8) + "|later\r\n"), std::string::npos); // Later saved
        // The last checked minute written once a minute, from the start's on.
        EXPECT_EQ(profile.writes, 11 - nextMinute + earlierRun);
    }
}

} // namespace
} // namespace quill
