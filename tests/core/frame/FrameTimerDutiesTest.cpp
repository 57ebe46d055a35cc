#include "core/frame/FrameTimerDuties.h"

#include "core/commands/DueTaskPass.h"
#include "core/frame/CommandTable.h"
#include "core/frame/FrameTimerIds.h"
#include "core/frame/FrameWindowProbe.h"
#include "core/frame/MinuteAlarm.h"
#include "core/frame/ToolbarLayout.h"
#include "core/frame/WindowAlpha.h"
#include "core/frame/WindowPlacement.h"
#include "core/integration/NewLinkPickup.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace quill {
namespace {

// A window 100 x 80 at (100, 100) with a 20 pixel caption above its client area.
struct FakeWindow : WindowAlpha, FrameWindowProbe, PollDuty, ReminderDialog, AllViews {
    void SetAlpha(std::uint8_t alpha) override { alphas.push_back(alpha); }
    CursorPlace LocateCursor() override {
        ++cursorReads;
        return quill::LocateCursor(cursor, {100, 120, 100, 60}, {100, 100, 100, 80});
    }
    bool StartTimer(int id, int periodMs) override {
        return refused.count(id) == 0 && (running.insert(id), periods.push_back(periodMs), true);
    }
    void StopTimer(int id) override { running.erase(id); }
    void Repaint() override { ++repaints; }
    void OnPollTick() override { ++pickups; }
    ReminderReply ShowReminder(const DateTime&, const std::string&, bool) override {
        return ++shown, ReminderReply{};
    }
    void ShowMoreMissed(std::size_t) override {}
    void UpdateAllViews() override {}

    ScreenPoint cursor{0, 0};
    std::vector<int> alphas;
    std::set<int> running;
    std::vector<int> periods;
    int cursorReads = 0, repaints = 0, pickups = 0, shown = 0;
    std::set<int> refused; // timers that cannot be started
};

struct FakeTimerClock : TimerClock {
    std::int64_t WallMs() const override { return wall; }
    std::int64_t SteadyMs() const override { return steady; }
    std::int64_t wall = 1'700'000'000'000; // 20 s into a minute
    std::int64_t steady = 0;
    void Pass(std::int64_t wallMs, std::int64_t steadyMs) { wall += wallMs, steady += steadyMs; }
};

TEST(MinuteAlarm, NoticesAClockSetOrAResumeButNotATimerLateUnderLoad) {
    const std::tuple<const char*, std::int64_t, std::int64_t, bool> cases[] = {
        {"late under load", 43'000, 43'000, false},
        {"drift up to the tolerance", 42'000, 40'000, false},
        {"clock set back an hour", 40'005 - 3'600'000, 40'005, true},
        {"clock set forward", 25'000, 3'000, true},
        {"resumed after an hour asleep", 3'603'000, 3'000, true}};
    FakeTimerClock unarmed;
    EXPECT_FALSE(MinuteAlarm(unarmed).ClockMoved()); // the clocks differ, but nothing was armed
    for (auto [what, wallPassed, steadyPassed, moved] : cases) {
        FakeTimerClock clock;
        MinuteAlarm alarm(clock);
        alarm.Arm();
        clock.Pass(wallPassed, steadyPassed);
        EXPECT_EQ(alarm.ClockMoved(), moved) << what;
    }
}

using Alpha = std::vector<int>;

class FrameTimerDutiesTest : public ::testing::Test {
protected:
    // At each point one poll tick and one hover tick; returns the alphas set.
    Alpha Alphas(std::initializer_list<ScreenPoint> points, FrameTimerDuties* other = nullptr) {
        FrameTimerDuties& d = other != nullptr ? *other : duties;
        for (ScreenPoint p : points) {
            window.cursor = p;
            d.OnTimer(kPollTimerId);
            d.OnTimer(kHoverTimerId); // a no-op while the watch is idle
        }
        return std::exchange(window.alphas, {});
    }
    bool Shown(bool shown) { return duties.OnWindowShown(shown), duties.CursorPolled(); }
    bool Track(bool t) { return duties.UseSettings({.trackMouse = t}), duties.CursorPolled(); }
    bool Watching() { return window.running.count(kHoverTimerId) != 0; }

    FakeWindow window;
    test::StoreFolder data;
    test::FixedClock clock{DateTime{2024, 5, 1, 12, 0}};
    FakeTimerClock timerClock;
    test::FakeProfile profile;
    DueTaskPass duePass{data.store, clock, window, window, profile};
    FrameTimerDuties duties{{}, true, window, window, duePass, timerClock};
};

TEST_F(FrameTimerDutiesTest, OpaqueOncePerEntryTheLevelOnEveryTickOutsideAndTheCaptionKeepsIt) {
    EXPECT_EQ(Alphas({{10, 10}, {11, 10}}), (Alpha{44, 44}));
    EXPECT_EQ(Alphas({{150, 150}, {151, 150}, {160, 170}}), Alpha{255});
    EXPECT_EQ(Alphas({{300, 300}, {300, 301}}), (Alpha{44, 44}));

    // No hover timer: the caption counts as outside, tried again later.
    window.refused = {kHoverTimerId};
    EXPECT_EQ(Alphas({{150, 105}}), Alpha{44});
    window.refused.clear();
    EXPECT_EQ(Alphas({{150, 105}, {151, 105}, {152, 105}}), Alpha{255}); // and rests there

    EXPECT_EQ(Alphas({{150, 150}}), Alpha{255}); // straight into the client area ends the watch
    EXPECT_FALSE(Watching());
    // Client to caption and away: the hover tick ends the watch, the next poll applies the level.
    EXPECT_EQ(Alphas({{150, 105}, {10, 10}}), Alpha{255});
    EXPECT_EQ(Alphas({{10, 10}}), Alpha{44});
    EXPECT_EQ(window.repaints, 4); // one per enter and per leave

    Alphas({{150, 105}});
    duties.StopTimers(); // ends the watch without a leave
    EXPECT_FALSE(duties.HoverWatch().IsRunning() || window.running.count(kHoverTimerId) != 0);
    EXPECT_EQ(window.repaints, 5);

    FrameTimerDuties plain{{}, false, window, window, duePass, timerClock};
    EXPECT_TRUE(Alphas({{10, 10}, {150, 105}, {150, 150}, {10, 10}}, &plain).empty()); // no alpha
}

TEST_F(FrameTimerDutiesTest, EachTimerRunsItsOwnDutyAndTheTaskTimerWakesAtEachMinuteStart) {
    Track(false); // the cursor left alone, the pickup still running
    data.store.Tasks() = {{"01.05.2024", "12:00", "due now"}, {"01.05.2024", "12:00", "too"}};
    duties.SetLinkPickup(&window);
    ASSERT_TRUE(duties.StartTimers());
    EXPECT_EQ(window.running, (std::set<int>{kTaskTimerId, kSlowTimerId, kDueSoonTimerId}));
    EXPECT_EQ(std::exchange(window.periods, {}), (Alpha{40'005, kSlowTimerPeriodMs, 0}));
    for (int id : {kPollTimerId, kHoverTimerId, kSlowTimerId, 999}) {
        duties.OnTimer(id); // the slow tick finds the clocks agree: no pass of its own
    }
    EXPECT_EQ(window.shown, 0);
    timerClock.Pass(40'005, 40'005);
    duties.OnTimer(kTaskTimerId);
    EXPECT_EQ(window.shown, 2);
    EXPECT_EQ(window.periods, Alpha{60'000});

    timerClock.Pass(30'000 - 3'600'000, 30'000); // set back an hour, half a minute later
    duties.OnTimer(kSlowTimerId);
    duties.OnTimer(kSlowTimerId); // armed again, the clocks agree again
    EXPECT_EQ(window.shown, 2);   // the reminded tasks are not shown twice
    EXPECT_EQ(window.periods, (Alpha{60'000, 30'000}));
    EXPECT_EQ(window.pickups, 3);
    EXPECT_TRUE(window.alphas.empty() && window.cursorReads == 0); // nor the stray hover tick
    duties.StopTimers();
    EXPECT_TRUE(window.running.empty());

    for (int id : {kTaskTimerId, kSlowTimerId}) { // either one missing is reported
        window.refused = {id};
        EXPECT_FALSE(duties.StartTimers()) << id;
        duties.StopTimers();
    }
}

TEST_F(FrameTimerDutiesTest, TheCursorIsPolledOnlyWhileItMayBeOnTheShownWindow) {
    duties.StartTimers();
    EXPECT_FALSE(duties.CursorPolled()); // not shown yet
    window.cursor = {10, 10};
    EXPECT_TRUE(Shown(true)); // until enter and leave are reported, polled while shown
    duties.OnCursorOnWindow(false);
    EXPECT_FALSE(duties.CursorPolled() || window.running.count(kPollTimerId) != 0);
    EXPECT_EQ(std::exchange(window.alphas, {}), Alpha{44});

    duties.OnCursorOnWindow(true); // onto the caption, then straight off with no tick between
    EXPECT_EQ(Alphas({{150, 105}}), Alpha{255});
    window.cursor = {10, 10};
    duties.OnCursorOnWindow(false);
    EXPECT_FALSE(Watching());
    EXPECT_EQ(std::exchange(window.alphas, {}), Alpha{44});

    // A leave reported while the cursor still reads as on the window or caption (covered,
    // or an X server under Wayland stopped following it): the level at once, kept.
    for (ScreenPoint stillOn : {ScreenPoint{150, 150}, ScreenPoint{150, 105}}) {
        window.cursor = stillOn;
        duties.OnCursorOnWindow(true);
        Alphas({stillOn});
        duties.OnCursorOnWindow(false);
        EXPECT_FALSE(duties.CursorPolled() || Watching());
        EXPECT_EQ(Alphas({stillOn}), (Alpha{44, 44}));
    }

    window.cursor = {150, 150};
    EXPECT_FALSE(Shown(false));
    EXPECT_TRUE(Shown(true)); // shown again under the cursor: no enter will come
    EXPECT_FALSE(Shown(false));
    Shown(true);
    EXPECT_FALSE(Track(false));
    EXPECT_TRUE(Track(true) && Track(true)); // a second look leaves the poll running
    duties.StopTimers();
    EXPECT_FALSE(duties.CursorPolled());

    // Leaving for another program takes the level last given; coming back, opaque.
    Shown(false);
    window.alphas.clear();
    duties.UseSettings({.transparency = 20});
    duties.OnProgramActive(false);
    duties.OnProgramActive(true);
    EXPECT_EQ(std::exchange(window.alphas, {}), (Alpha{176, 255}));
}

TEST(LocateCursor, EdgesBelongToTheRectangleOnTheirLeftAndTopOnly) {
    const std::pair<ScreenPoint, CursorPlace> cases[] = {
        {{100, 120}, CursorPlace::Client},    {{199, 179}, CursorPlace::Client},
        {{200, 150}, CursorPlace::NonClient}, {{96, 100}, CursorPlace::NonClient},
        {{204, 150}, CursorPlace::Outside},   {{95, 150}, CursorPlace::Outside}};
    for (auto [point, place] : cases) {
        EXPECT_EQ(LocateCursor(point, {100, 120, 100, 60}, {96, 100, 108, 84}), place) << point.x;
    }
}

// Moved in as far as it must, made smaller only when larger than the free area.
TEST(KeepInside, MovesTheFramedWindowIntoTheFreeAreaAndShrinksItOnlyWhenItMust) {
    const ScreenRect area{0, 0, 640, 376}; // a 1280 x 800 screen at scale 2, less a panel
    const FrameMargins frame{2, 20, 2, 2};
    const std::pair<ScreenRect, ScreenRect> cases[] = {
        {{100, 60, 360, 200}, {100, 60, 360, 200}},   // inside: left alone
        {{500, 300, 360, 200}, {278, 174, 360, 200}}, // off the right and bottom
        {{-50, 0, 360, 200}, {2, 20, 360, 200}},      // caption above the screen
        {{10, 40, 360, 420}, {10, 20, 360, 354}},     // too tall for the screen
        {{0, 0, 900, 900}, {2, 20, 636, 354}}};
    for (auto [client, kept] : cases) {
        const ScreenRect got = KeepInside(client, frame, area);
        EXPECT_EQ(std::tie(got.left, got.top, got.width, got.height),
                  std::tie(kept.left, kept.top, kept.width, kept.height))
            << client.left << "," << client.top;
    }
    // No screen known (an empty free area): left where it is.
    EXPECT_EQ(KeepInside({500, 300, 360, 200}, frame, {0, 0, 0, 376}).left, 500);
    EXPECT_EQ(KeepInside({500, 300, 360, 200}, frame, {0, 0, 640, 0}).top, 300);
}

using Buttons = std::vector<int>;

// Stored layouts, the first one too, read back; foreign, repeated, malformed entries go.
TEST(ToolbarLayout, ReadsBackWhatWasStoredAndDropsWhatNoButtonIs) {
    const Buttons first = ParseToolbarButtons(std::nullopt);
    EXPECT_EQ(first,
              (Buttons{kSettingsCommand, kSaveNoteCommand, kToolbarSeparator, kCutCommand,
                       kCopyCommand, kPasteCommand, kToolbarSeparator, kTransparenceCommand}));
    EXPECT_EQ(ParseToolbarButtons(FormatToolbarButtons(first)), first);
    EXPECT_EQ(ParseToolbarButtons(std::string()), Buttons{});
    const auto n = [](int id) { return std::to_string(id); };
    EXPECT_EQ(ParseToolbarButtons(n(kExitCommand) + "," + n(kTransparenceCommand) + ",x," +
                                  n(kTransparenceCommand) + ",,0,0, " + n(kCopyCommand) + ",-1," +
                                  n(kCopyCommand) + "," + n(kCutCommand) + "x"),
              (Buttons{kTransparenceCommand, 0, 0, kCopyCommand}));
    // Find is no button at first, but one the user may add.
    EXPECT_EQ(ParseToolbarButtons(n(kFindCommand)), Buttons{kFindCommand});
    EXPECT_EQ(ToolbarCommands().back(), kFindCommand);
}

} // namespace
} // namespace quill
