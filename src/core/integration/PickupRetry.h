#pragma once

#include "core/integration/NewLinkPickup.h"

namespace quill {

// When the pickup looks again after a look that found a link waiting but
// could not take it. The file watch says nothing more until the profile
// changes again, so the pickup asks itself: soon at first, as the host holds
// the profile for a moment only, then less and less often, so a profile that
// cannot be written does not keep the program awake.
class PickupRetry {
public:
    // The delay in ms before the next look, or 0 when no look of its own is needed.
    int After(PickupResult result);

    static constexpr int kFirstDelayMs = 10;
    static constexpr int kLongestDelayMs = 3000;

private:
    int m_delayMs = 0;
};

} // namespace quill
