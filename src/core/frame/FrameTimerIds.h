#pragma once

namespace quill {

inline constexpr int kTaskTimerId = 111;
inline constexpr int kPollTimerId = 112;
inline constexpr int kHoverTimerId = 113;
inline constexpr int kSlowTimerId = 114;
// A due-task pass soon after the task list changed; fires once.
inline constexpr int kDueSoonTimerId = 115;

inline constexpr int kPollTimerPeriodMs = 10;
inline constexpr int kHoverTimerPeriodMs = 10;
// The safety net under the events: a missed file change or a moved clock is
// noticed within this long.
inline constexpr int kSlowTimerPeriodMs = 3000;

} // namespace quill
