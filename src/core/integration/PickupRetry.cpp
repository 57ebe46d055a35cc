#include "core/integration/PickupRetry.h"

#include <algorithm>

namespace quill {

int PickupRetry::After(PickupResult result) {
    if (result == PickupResult::NothingWaiting || result == PickupResult::Delivered) {
        m_delayMs = 0;
    } else {
        m_delayMs = m_delayMs == 0 ? kFirstDelayMs : std::min(m_delayMs * 2, kLongestDelayMs);
    }
    return m_delayMs;
}

} // namespace quill
