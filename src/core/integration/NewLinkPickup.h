#pragma once

namespace quill {

class HandOverFile;
struct HandOverPaths;

enum class PickupResult {
    NothingWaiting, // "new_link" is not exactly "true"
    Delivered,      // the link joined the queue and the flag was reset
    ResetFailed,    // the queue or the flag could not be written: the link stays waiting
    Busy,           // another process holds the profile: try again on a later tick
};

// One look at the single-slot "Status" values that an older writer may still
// leave, never waiting on another process. A waiting link joins the end of
// the queue, then the flag is reset, both under the profile's lock and
// flushed, so the link is offered like any other: "new_link_href" and
// "new_link_text" read with the flag, an absent one as empty.
PickupResult MoveSlotLinkToQueue(HandOverFile& slot, const HandOverPaths& paths);

// The new-link pickup that runs first on each poll tick.
class PollDuty {
public:
    virtual ~PollDuty() = default;
    virtual void OnPollTick() = 0;
};

} // namespace quill
