#include "integration/NewLinkPickup.h"

#include "frame/MainFrameState.h"
#include "settings/ProfileValues.h"

namespace quill {

namespace {
constexpr std::string_view kWaiting = "true";
constexpr std::string_view kTaken = "false";
} // namespace

PickupResult PollNewLink(Profile& profile, MainFrameState& state,
                         const std::function<void()>& handOver) {
    if (ReadString(profile, values::kNewLink) != kWaiting) {
        return PickupResult::NothingWaiting;
    }
    if (!WriteString(profile, values::kNewLink, kTaken) ||
        ReadString(profile, values::kNewLink) != kTaken) {
        return PickupResult::ResetFailed;
    }
    state.m_newLinkHref = ReadString(profile, values::kNewLinkHref);
    state.m_newLinkText = ReadString(profile, values::kNewLinkText);
    handOver();
    return PickupResult::Delivered;
}

} // namespace quill
