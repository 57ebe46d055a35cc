#pragma once

#include <functional>

namespace quill {

class HandOverFile;
struct MainFrameState;

enum class PickupResult {
    NothingWaiting, // "new_link" is not exactly "true"
    Delivered,      // the flag was reset and the link handed over
    ResetFailed,    // the flag could not be reset: the link stays waiting, nothing is shown
    Busy,           // another process holds the profile: try again on a later tick
};

// One poll of the hand-over values, never waiting on another process. A
// waiting link is delivered only once the reset of "new_link" to "false" has
// been read back, so a profile that cannot be written never opens the same
// link again and again. The two texts read with the flag go into
// m_newLinkHref and m_newLinkText (absent reads as empty), then handOver runs
// to completion.
PickupResult PollNewLink(HandOverFile& slot, MainFrameState& state,
                         const std::function<void()>& handOver);

} // namespace quill
