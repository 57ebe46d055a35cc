#pragma once

#include <cstdint>

namespace quill {

// The two clocks the task timer reads: the wall clock, which the user and the
// network may set, and a steady clock, which only moves forward.
class TimerClock {
public:
    virtual ~TimerClock() = default;
    // Milliseconds since the epoch.
    virtual std::int64_t WallMs() const = 0;
    // Milliseconds on a clock that never jumps.
    virtual std::int64_t SteadyMs() const = 0;
};

// The clocks of the machine.
class SystemTimerClock : public TimerClock {
public:
    std::int64_t WallMs() const override;
    std::int64_t SteadyMs() const override;
};

// Wakes the due-task pass once at the start of every minute instead of
// asking every few seconds. A timer measures steady time only, so a clock set
// by hand or a resume from sleep moves the minutes under it: ClockMoved tells,
// and the alarm is then armed again from the wall clock as it stands.
class MinuteAlarm {
public:
    explicit MinuteAlarm(const TimerClock& clock) : m_clock(clock) {}

    // The delay in ms after which the timer should fire: just past the start
    // of the next minute, so the firing lands inside that minute.
    int Arm();

    // The wall clock moved apart from steady time since the last Arm; never
    // before the first.
    bool ClockMoved() const;

    // Past the minute's start, so rounding never lands the firing before it.
    static constexpr int kMarginMs = 5;
    // Timers and clocks wobble a little under load; more than this is a moved clock.
    static constexpr std::int64_t kMoveToleranceMs = 2000;

private:
    const TimerClock& m_clock;
    bool m_armed = false;
    std::int64_t m_armedWall = 0;
    std::int64_t m_armedSteady = 0;
};

} // namespace quill
