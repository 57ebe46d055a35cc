#include "core/frame/MinuteAlarm.h"

#include <chrono>
#include <cstdlib>

namespace quill {

namespace {
constexpr std::int64_t kMinuteMs = 60000;

template <typename Clock> std::int64_t MsOf() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
        .count();
}
} // namespace

std::int64_t SystemTimerClock::WallMs() const {
    return MsOf<std::chrono::system_clock>();
}

std::int64_t SystemTimerClock::SteadyMs() const {
    return MsOf<std::chrono::steady_clock>();
}

int MinuteAlarm::Arm() {
    m_armed = true;
    m_armedWall = m_clock.WallMs();
    m_armedSteady = m_clock.SteadyMs();
    // Floored, so times before the epoch end their minutes on the minute too.
    const std::int64_t intoMinute = ((m_armedWall % kMinuteMs) + kMinuteMs) % kMinuteMs;
    return static_cast<int>(kMinuteMs - intoMinute) + kMarginMs;
}

bool MinuteAlarm::ClockMoved() const {
    if (!m_armed) {
        return false;
    }
    const std::int64_t wall = m_clock.WallMs() - m_armedWall;
    const std::int64_t steady = m_clock.SteadyMs() - m_armedSteady;
    return std::llabs(wall - steady) > kMoveToleranceMs;
}

} // namespace quill
