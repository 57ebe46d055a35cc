#include "integration/NewLinkPickup.h"

#include "frame/MainFrameState.h"
#include "integration/HandOverFile.h"

namespace quill {

PickupResult PollNewLink(HandOverFile& slot, MainFrameState& state,
                         const std::function<void()>& handOver) {
    HandOverFile::Taking taking = slot.TakeLink();
    switch (taking.result) {
    case HandOverFile::Take::NothingWaiting:
        return PickupResult::NothingWaiting;
    case HandOverFile::Take::Busy:
        return PickupResult::Busy;
    case HandOverFile::Take::Failed:
        return PickupResult::ResetFailed;
    case HandOverFile::Take::Taken:
        break;
    }
    state.m_newLinkHref = taking.link.href.value_or("");
    state.m_newLinkText = taking.link.text.value_or("");
    handOver();
    return PickupResult::Delivered;
}

} // namespace quill
