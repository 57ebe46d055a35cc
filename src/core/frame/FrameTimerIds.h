#pragma once

namespace quill {

inline constexpr int kTaskTimerId = 111;
inline constexpr int kPollTimerId = 112;
inline constexpr int kHoverTimerId = 113;

inline constexpr int kTaskTimerPeriodMs = 40000;
inline constexpr int kPollTimerPeriodMs = 10;
inline constexpr int kHoverTimerPeriodMs = 10;

} // namespace quill
