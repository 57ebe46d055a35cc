#include "core/integration/NewLinkPickup.h"

#include "core/integration/HandOverFile.h"
#include "core/integration/HandOverQueue.h"

namespace quill {

PickupResult MoveSlotLinkToQueue(HandOverFile& slot, const HandOverPaths& paths) {
    HandOverFile::Taking taking = slot.TakeLink([&](const HandOverValues& link) {
        return EnqueueLinkLocked(paths, link.href.value_or(""), link.text.value_or("")) ==
               Enqueued::Stored;
    });
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
    return PickupResult::Delivered;
}

} // namespace quill
