#include "frame/FrameTimerDuties.h"

#include "commands/DueTaskPass.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameWindowProbe.h"
#include "frame/WindowAlpha.h"
#include "integration/NewLinkPickup.h"
#include "support/FakeProfile.h"
#include "support/StoreFolder.h"

#include <gtest/gtest.h>
#include <map>

namespace quill {
namespace {

using Alphas = std::vector<int>;

// A window 100 x 80 at (100, 100) with a 20 pixel caption above its client area.
struct FakeWindow : WindowAlpha, FrameWindowProbe, PollDuty {
    void SetAlpha(std::uint8_t alpha) override { alphas.push_back(alpha); }
    CursorPlace LocateCursor() override {
        ++cursorReads;
        return quill::LocateCursor(cursor, {100, 120, 100, 60}, {100, 100, 100, 80});
    }
    bool StartTimer(int id, int periodMs) override {
        return !failTimers && running.emplace(id, periodMs).second;
    }
    void StopTimer(int id) override { running.erase(id); }
    void Repaint() override { ++repaints; }
    void OnPollTick() override { ++pickups; }

    ScreenPoint cursor{0, 0};
    Alphas alphas;
    std::map<int, int> running; // id, period
    int cursorReads = 0, repaints = 0, pickups = 0;
    bool failTimers = false;
};

struct NoReminders : ReminderDialog, AllViews {
    ReminderReply ShowReminder(const DateTime&, const std::string&, bool) override { return {}; }
    void ShowMoreMissed(std::size_t) override {}
    void UpdateAllViews() override {}
};

class FrameTimerDutiesTest : public ::testing::Test {
protected:
    FrameTimerDutiesTest() { settings.transparency = 60; } // alpha 144

    // At each point one poll tick and, if it runs, one hover tick; the alphas set.
    Alphas Ticks(std::initializer_list<ScreenPoint> points, FrameTimerDuties* on = nullptr) {
        for (ScreenPoint point : points) {
            window.cursor = point;
            (on ? *on : duties).OnTimer(kPollTimerId);
            if (window.running.count(kHoverTimerId) != 0) {
                (on ? *on : duties).OnTimer(kHoverTimerId);
            }
        }
        return std::exchange(window.alphas, {});
    }

    FrameSettings settings;
    FakeWindow window;
    test::StoreFolder data;
    test::FixedClock clock{DateTime{2024, 5, 1, 12, 0}};
    NoReminders reminders;
    test::FakeProfile profile;
    DueTaskPass duePass{data.store, clock, reminders, reminders, profile};
    FrameTimerDuties duties{settings, true, window, window, duePass};
};

TEST_F(FrameTimerDutiesTest, OpaqueOncePerEntryAndTheLevelOnEveryTickOutside) {
    EXPECT_EQ(Ticks({{10, 10}, {11, 10}}), (Alphas{144, 144}));
    EXPECT_EQ(Ticks({{150, 150}, {151, 150}, {160, 170}}), Alphas{255}); // the client area
    EXPECT_EQ(Ticks({{300, 300}, {300, 301}}), (Alphas{144, 144}));      // out, still active
    EXPECT_EQ(Ticks({{150, 150}}), Alphas{255});

    FrameTimerDuties plain{settings, false, window, window, duePass}; // no translucency
    EXPECT_TRUE(Ticks({{150, 10}, {150, 105}, {150, 150}, {150, 10}}, &plain).empty());
}

TEST_F(FrameTimerDutiesTest, RestingOnTheCaptionKeepsTheWindowOpaque) {
    window.failTimers = true; // no hover timer: the caption counts as outside
    EXPECT_EQ(Ticks({{10, 10}, {150, 105}}), (Alphas{144, 144}));
    window.failTimers = false;
    EXPECT_EQ(Ticks({{150, 105}}), Alphas{255}); // the caption, coming from outside
    EXPECT_TRUE(duties.OverNonClient() && duties.HoverWatch().IsRunning());
    EXPECT_TRUE(Ticks({{150, 105}, {151, 105}, {152, 105}}).empty());

    EXPECT_EQ(Ticks({{150, 150}}), Alphas{255}); // into the client area: the watch ends
    EXPECT_FALSE(duties.OverNonClient() || duties.HoverWatch().IsRunning() ||
                 window.running.count(kHoverTimerId));
    // Client to caption and away: the hover tick ends the watch, setting
    // nothing itself; the next poll tick applies the level.
    EXPECT_EQ(Ticks({{150, 105}, {10, 10}}), Alphas{255});
    EXPECT_EQ(Ticks({{10, 10}}), Alphas{144});
    EXPECT_EQ(window.repaints, 4); // one per enter and per leave
}

TEST_F(FrameTimerDutiesTest, EachTimerRunsItsOwnDutyAndThePickupRunsWhenTrackingIsOff) {
    duties.SetLinkPickup(&window);
    for (int id : {kPollTimerId, kHoverTimerId, 999}) {
        duties.OnTimer(id);
    }
    EXPECT_TRUE(profile.writes.empty()); // the due pass records each minute it saw
    duties.OnTimer(kTaskTimerId);
    EXPECT_EQ(profile.writes.size(), 1u);
    EXPECT_EQ(std::pair(window.pickups, window.cursorReads), std::pair(1, 1));

    settings.trackMouse = false;
    window.alphas.clear();
    EXPECT_TRUE(Ticks({{150, 105}, {150, 150}}).empty());
    EXPECT_EQ(std::pair(window.pickups, window.cursorReads), std::pair(3, 1));
}

TEST_F(FrameTimerDutiesTest, TheTaskAndPollTimersStartTogetherAndAllStopTogether) {
    ASSERT_TRUE(duties.StartTimers());
    EXPECT_EQ(window.running.size(), 2u);
    EXPECT_LE(window.running.at(kTaskTimerId), 60000); // a pass in every minute
    Ticks({{150, 105}});
    EXPECT_EQ(window.running.size(), 3u);
    duties.StopTimers();
    duties.StopTimers();
    window.cursor = {10, 10};
    duties.OnTimer(kHoverTimerId); // a late tick changes nothing
    EXPECT_TRUE(window.running.empty());
    EXPECT_FALSE(duties.HoverWatch().IsRunning());
    EXPECT_EQ(window.repaints, 1); // the watch ended without a leave
    window.failTimers = true;
    EXPECT_FALSE(duties.StartTimers());
}

// Edges belong to the rectangle on their left and top only.
TEST(LocateCursor, TellsClientCaptionAndOutsideApart) {
    const std::pair<ScreenPoint, CursorPlace> cases[] = {
        {{100, 120}, CursorPlace::Client},    {{199, 179}, CursorPlace::Client},
        {{200, 150}, CursorPlace::NonClient}, {{96, 100}, CursorPlace::NonClient},
        {{204, 150}, CursorPlace::Outside},   {{95, 150}, CursorPlace::Outside}};
    for (auto [point, place] : cases) {
        EXPECT_EQ(LocateCursor(point, {100, 120, 100, 60}, {96, 100, 108, 84}), place);
    }
}

} // namespace
} // namespace quill
