#include "integration/NewLinkPickup.h"

#include "integration/HandOverFile.h"

namespace quill {

PickupResult PollNewLink(HandOverFile& slot, const LinkHandOver& handOver) {
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
    handOver(taking.link.href.value_or(""), taking.link.text.value_or(""));
    return PickupResult::Delivered;
}

} // namespace quill
