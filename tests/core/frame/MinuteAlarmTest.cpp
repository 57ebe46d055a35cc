#include "frame/MinuteAlarm.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

struct FakeTimerClock : TimerClock {
    std::int64_t WallMs() const override { return wall; }
    std::int64_t SteadyMs() const override { return steady; }
    std::int64_t wall = 1'700'000'000'000; // 20 s into a minute
    std::int64_t steady = 5'000;
};

TEST(MinuteAlarm, ArmsForJustPastTheNextMinuteStartFromWhereverTheWallClockStands) {
    const struct {
        std::int64_t wall;
        int delay;
    } cases[] = {
        {1'700'000'000'000, 40'005},             // mid-minute
        {1'699'999'980'000, 60'005},             // on a minute's start: the next one
        {1'699'999'979'990, 15},                 // fired a little early: the minute still to come
        {1'700'000'000'000 - 3'600'000, 40'005}, // an hour back
        {-90'000, 30'005},                       // before the epoch
    };
    for (const auto& c : cases) {
        FakeTimerClock clock;
        clock.wall = c.wall;
        EXPECT_EQ(MinuteAlarm(clock).Arm(), c.delay) << c.wall;
    }
}

TEST(MinuteAlarm, NoticesAClockSetOrAResumeButNotATimerLateUnderLoad) {
    const struct {
        const char* what;
        std::int64_t wallPassed;
        std::int64_t steadyPassed;
        bool moved;
    } cases[] = {
        {"on time", 40'005, 40'005, false},
        {"late under load", 43'000, 43'000, false},
        {"drift within the tolerance", 41'500, 40'000, false},
        {"clock set back an hour", 40'005 - 3'600'000, 40'005, true},
        {"clock set forward", 25'000, 3'000, true},
        {"resumed after an hour asleep", 3'603'000, 3'000, true},
    };
    for (const auto& c : cases) {
        FakeTimerClock clock;
        MinuteAlarm alarm(clock);
        alarm.Arm();
        clock.wall += c.wallPassed;
        clock.steady += c.steadyPassed;
        EXPECT_EQ(alarm.ClockMoved(), c.moved) << c.what;
        alarm.Arm();
        EXPECT_FALSE(alarm.ClockMoved()) << c.what << ": armed again";
    }
}

} // namespace
} // namespace quill
