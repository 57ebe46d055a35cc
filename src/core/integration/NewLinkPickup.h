#pragma once

#include <functional>
#include <string>

namespace quill {

class HandOverFile;

enum class PickupResult {
    NothingWaiting, // "new_link" is not exactly "true"
    Delivered,      // the flag was reset and the link handed over
    ResetFailed,    // the flag could not be reset: the link stays waiting, nothing is shown
    Busy,           // another process holds the profile: try again on a later tick
};

// One poll of the hand-over values, never waiting on another process. A
// waiting link is delivered only once the reset of "new_link" to "false" has
// been read back, so a profile that cannot be written never opens the same
// link again and again. handOver is given the two texts read with the flag,
// "new_link_href" and "new_link_text" (absent reads as empty), and runs to
// completion.
using LinkHandOver = std::function<void(std::string href, std::string text)>;
PickupResult PollNewLink(HandOverFile& slot, const LinkHandOver& handOver);

// The new-link pickup that runs first on each poll tick.
class PollDuty {
public:
    virtual ~PollDuty() = default;
    virtual void OnPollTick() = 0;
};

} // namespace quill
