#include "frame/FrameTimerDuties.h"

#include "commands/DueTaskPass.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameWindowProbe.h"
#include "frame/WindowAlpha.h"
#include "integration/NewLinkPickup.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quill {
namespace {

// A window 100 x 80 at (100, 100) with a 20 pixel caption above its client area.
class FakeWindow : public WindowAlpha, public FrameWindowProbe, public PollDuty {
public:
    void SetAlpha(std::uint8_t alpha) override { alphas.push_back(alpha); }

    CursorPlace LocateCursor() override {
        ++cursorReads;
        return quill::LocateCursor(cursor, {100, 120, 100, 60}, {100, 100, 100, 80});
    }
    bool StartTimer(int id, int periodMs) override {
        if (failTimers) {
            return false;
        }
        running.insert(id);
        periods.push_back(periodMs);
        return true;
    }
    void StopTimer(int id) override { running.erase(id); }
    void Repaint() override { ++repaints; }
    void OnPollTick() override { log.push_back("pickup"); }

    void MoveTo(int x, int y) { cursor = {x, y}; }

    ScreenPoint cursor{0, 0};
    std::vector<int> alphas;
    std::set<int> running;
    std::vector<int> periods;
    std::vector<std::string> log;
    int cursorReads = 0;
    int repaints = 0;
    bool failTimers = false;
};

struct CountingReminders : ReminderDialog, AllViews {
    ReminderReply ShowReminder(const DateTime&, const std::string&, bool) override {
        ++shown;
        return {};
    }
    void ShowMoreMissed(std::size_t) override {}
    void UpdateAllViews() override {}
    int shown = 0;
};

class FrameTimerDutiesTest : public ::testing::Test {
protected:
    FrameTimerDutiesTest() { settings.transparency = 60; } // alpha 144

    // Moves the cursor and lets one poll tick and, if it runs, one hover tick happen.
    void TickAt(int x, int y) {
        window.MoveTo(x, y);
        duties.OnTimer(kPollTimerId);
        if (window.running.count(kHoverTimerId) != 0) {
            duties.OnTimer(kHoverTimerId);
        }
    }
    std::vector<int> TakeAlphas() { return std::exchange(window.alphas, {}); }

    FrameSettings settings;
    FakeWindow window;
    test::StoreFolder data;
    test::FixedClock clock{DateTime{2024, 5, 1, 12, 0}};
    struct : TimerClock {
        std::int64_t WallMs() const override { return wall; }
        std::int64_t SteadyMs() const override { return steady; }
        std::int64_t wall = 1'700'000'000'000; // 20 s into a minute
        std::int64_t steady = 0;
    } timerClock;
    CountingReminders reminders;
    test::FakeProfile profile;
    DueTaskPass duePass{data.store, clock, reminders, reminders, profile};
    FrameTimerDuties duties{settings, true, window, window, duePass, timerClock};
};

TEST_F(FrameTimerDutiesTest, OpaqueOncePerEntryAndTheLevelOnEveryTickOutside) {
    TickAt(10, 10);
    TickAt(11, 10);
    EXPECT_EQ(TakeAlphas(), (std::vector<int>{144, 144}));

    TickAt(150, 150); // into the client area
    TickAt(151, 150);
    TickAt(160, 170);
    EXPECT_EQ(TakeAlphas(), std::vector<int>{255});

    TickAt(300, 300); // out again, the program still active
    TickAt(300, 301);
    EXPECT_EQ(TakeAlphas(), (std::vector<int>{144, 144}));
    TickAt(150, 150); // and in again
    EXPECT_EQ(TakeAlphas(), std::vector<int>{255});
}

TEST_F(FrameTimerDutiesTest, WithoutTranslucencyTheWindowIsNeverTouched) {
    FrameTimerDuties plain{settings, false, window, window, duePass, timerClock};
    for (auto [x, y] : {std::pair{10, 10}, {150, 105}, {150, 150}, {10, 10}}) {
        window.MoveTo(x, y);
        plain.OnTimer(kPollTimerId);
        plain.OnTimer(kHoverTimerId);
    }
    EXPECT_TRUE(window.alphas.empty());
}

TEST_F(FrameTimerDutiesTest, RestingOnTheCaptionKeepsTheWindowOpaque) {
    TickAt(10, 10);
    TakeAlphas();

    TickAt(150, 105); // caption, coming from outside
    EXPECT_TRUE(duties.OverNonClient());
    EXPECT_TRUE(duties.HoverWatch().IsRunning());
    EXPECT_EQ(TakeAlphas(), std::vector<int>{255});
    for (int i = 0; i < 5; ++i) {
        TickAt(150 + i, 105);
    }
    EXPECT_TRUE(TakeAlphas().empty());

    TickAt(150, 150); // straight into the client area: the watch ends, still opaque
    EXPECT_FALSE(duties.OverNonClient());
    EXPECT_FALSE(duties.HoverWatch().IsRunning());
    EXPECT_EQ(window.running.count(kHoverTimerId), 0u);
    EXPECT_EQ(TakeAlphas(), std::vector<int>{255}); // the entry into the client area

    TickAt(150, 105); // client to caption and then away
    TickAt(10, 10);   // the hover tick ends the watch, setting nothing itself
    EXPECT_EQ(TakeAlphas(), std::vector<int>{255});
    TickAt(10, 10); // the next poll tick applies the level
    EXPECT_EQ(TakeAlphas(), std::vector<int>{144});
    EXPECT_EQ(window.repaints, 4); // one per enter and per leave
}

TEST_F(FrameTimerDutiesTest, EachTimerRunsItsOwnDutyAndThePickupRunsWhenTrackingIsOff) {
    data.store.Tasks() = {{"01.05.2024", "12:00", "due now"}, {"01.05.2024", "12:00", "too"}};
    duties.SetLinkPickup(&window);
    duties.OnTimer(kPollTimerId);
    duties.OnTimer(kHoverTimerId);
    duties.OnTimer(kSlowTimerId);
    duties.OnTimer(999);
    EXPECT_EQ(reminders.shown, 0);
    duties.OnTimer(kTaskTimerId);
    EXPECT_EQ(reminders.shown, 2);
    EXPECT_EQ(window.log, std::vector<std::string>{"pickup"});
    EXPECT_EQ(window.cursorReads, 1);

    settings.trackMouse = false;
    TakeAlphas();
    TickAt(150, 105);
    TickAt(150, 150);
    duties.OnTimer(kSlowTimerId);
    EXPECT_TRUE(window.alphas.empty());
    EXPECT_EQ(window.log.size(), 2u);
    EXPECT_EQ(window.cursorReads, 1);
}

TEST_F(FrameTimerDutiesTest, TheTaskTimerWakesAtEachMinuteStartAndAgainWhenTheClockMoves) {
    data.store.Tasks() = {{"01.05.2024", "12:00", "due now"}};
    ASSERT_TRUE(duties.StartTimers());
    EXPECT_EQ(window.running, (std::set<int>{kTaskTimerId, kSlowTimerId}));
    EXPECT_EQ(window.periods, (std::vector<int>{40'005, kSlowTimerPeriodMs}));

    window.periods.clear();
    timerClock.wall += 40'005;
    timerClock.steady += 40'005;
    duties.OnTimer(kTaskTimerId);
    duties.OnTimer(kSlowTimerId); // clocks agree: no pass of its own
    EXPECT_EQ(reminders.shown, 1);
    EXPECT_EQ(window.periods, std::vector<int>{60'000});

    timerClock.wall += 30'000 - 3'600'000; // set back an hour, half a minute later
    timerClock.steady += 30'000;
    duties.OnTimer(kSlowTimerId);
    EXPECT_EQ(reminders.shown, 1); // the reminded task is not shown twice
    EXPECT_EQ(window.periods, (std::vector<int>{60'000, 30'000}));
    duties.OnTimer(kSlowTimerId);
    EXPECT_EQ(window.periods.size(), 2u); // armed again, the clocks agree again

    duties.StopTimers();
    EXPECT_TRUE(window.running.empty());
}

TEST_F(FrameTimerDutiesTest, TheCursorIsPolledOnlyWhileItMayBeOnTheShownWindow) {
    duties.StartTimers();
    EXPECT_FALSE(duties.CursorPolled()); // not shown yet

    window.MoveTo(10, 10);
    duties.OnWindowShown(true); // until enter and leave are reported, polled while shown
    EXPECT_TRUE(duties.CursorPolled());
    duties.OnCursorOnWindow(false);
    EXPECT_FALSE(duties.CursorPolled());
    EXPECT_EQ(window.running.count(kPollTimerId), 0u);
    EXPECT_EQ(TakeAlphas(), std::vector<int>{144});

    duties.OnCursorOnWindow(true); // onto the caption
    TickAt(150, 105);
    EXPECT_TRUE(duties.OverNonClient());
    EXPECT_EQ(TakeAlphas(), std::vector<int>{255});
    window.MoveTo(10, 10); // straight off it: no tick in between
    duties.OnCursorOnWindow(false);
    EXPECT_FALSE(duties.OverNonClient());
    EXPECT_FALSE(duties.HoverWatch().IsRunning());
    EXPECT_EQ(TakeAlphas(), std::vector<int>{144});
    EXPECT_EQ(window.running.count(kPollTimerId), 0u);

    window.MoveTo(150, 150);
    duties.OnWindowShown(false);
    duties.OnWindowShown(true); // shown again under the cursor: no enter will come
    EXPECT_TRUE(duties.CursorPolled());
    duties.OnWindowShown(false);
    EXPECT_FALSE(duties.CursorPolled());

    duties.OnWindowShown(true);
    settings.trackMouse = false;
    duties.Refresh();
    EXPECT_FALSE(duties.CursorPolled());
    settings.trackMouse = true;
    duties.Refresh();
    EXPECT_TRUE(duties.CursorPolled());
    duties.StopTimers();
    EXPECT_FALSE(duties.CursorPolled());
}

// The watch on its own, against a host that records what it hears.
class RecordingHost : public HoverHost {
public:
    bool StartHoverTimer() override {
        log.push_back("start");
        return timerAvailable;
    }
    void StopHoverTimer() override { log.push_back("stop"); }
    bool CursorOverFrameItself() override { return overFrame; }
    void OnHoverEnter() override { log.push_back("enter"); }
    void OnHoverLeave() override { log.push_back("leave"); }

    std::vector<std::string> log;
    bool timerAvailable = true;
    bool overFrame = true;
};

TEST(CHoverWatch, StartsOnceTicksUntilTheCursorLeavesAndStopEndsItWithoutLeave) {
    RecordingHost host;
    CHoverWatch watch;
    host.timerAvailable = false;
    EXPECT_FALSE(watch.Start(host)); // no timer: idle until the next try
    host.timerAvailable = true;
    EXPECT_TRUE(watch.Start(host));
    EXPECT_TRUE(watch.Start(host)); // already running: no second timer, no second enter
    EXPECT_TRUE(watch.Check(host));
    host.overFrame = false;
    EXPECT_TRUE(watch.Check(host));
    EXPECT_FALSE(watch.IsRunning());
    EXPECT_TRUE(watch.Check(host)); // a late tick changes nothing
    EXPECT_EQ(host.log, (std::vector<std::string>{"start", "start", "enter", "stop", "leave"}));

    host.log.clear();
    watch.Start(host);
    watch.Stop();
    watch.Stop();
    EXPECT_EQ(host.log, (std::vector<std::string>{"start", "enter", "stop"}));
}

TEST(LocateCursor, EdgesBelongToTheRectangleOnTheirLeftAndTopOnly) {
    const ScreenRect client{100, 120, 100, 60};
    const ScreenRect frame{96, 100, 108, 84};
    EXPECT_EQ(LocateCursor({100, 120}, client, frame), CursorPlace::Client);
    EXPECT_EQ(LocateCursor({199, 179}, client, frame), CursorPlace::Client);
    EXPECT_EQ(LocateCursor({200, 150}, client, frame), CursorPlace::NonClient);
    EXPECT_EQ(LocateCursor({96, 100}, client, frame), CursorPlace::NonClient);
    EXPECT_EQ(LocateCursor({204, 150}, client, frame), CursorPlace::Outside);
    EXPECT_EQ(LocateCursor({95, 150}, client, frame), CursorPlace::Outside);
}

} // namespace
} // namespace quill
