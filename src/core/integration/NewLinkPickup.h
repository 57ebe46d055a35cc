#pragma once

#include <functional>

namespace quill {

class Profile;
struct MainFrameState;

enum class PickupResult {
    NothingWaiting, // "new_link" is not exactly "true"
    Delivered,      // the flag was reset and the link handed over
    ResetFailed,    // the flag could not be reset: the link stays waiting, nothing is shown
};

// One poll of the hand-over values. A waiting link is delivered only once the
// reset of "new_link" to "false" has been read back, so a profile that cannot
// be written never opens the same link again and again. The two texts go into
// m_newLinkHref and m_newLinkText (absent reads as empty), then handOver runs
// to completion.
PickupResult PollNewLink(Profile& profile, MainFrameState& state,
                         const std::function<void()>& handOver);

} // namespace quill
