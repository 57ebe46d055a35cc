#include "integration/NewLinkPickup.h"

#include "settings/ProfileValues.h"

namespace quill {

namespace {
constexpr std::string_view kWaiting = "true";
constexpr std::string_view kTaken = "false";
} // namespace

PickupResult PollNewLink(Profile& profile, const LinkHandOver& handOver) {
    if (ReadString(profile, values::kNewLink) != kWaiting) {
        return PickupResult::NothingWaiting;
    }
    if (!WriteString(profile, values::kNewLink, kTaken) ||
        ReadString(profile, values::kNewLink) != kTaken) {
        return PickupResult::ResetFailed;
    }
    handOver(ReadString(profile, values::kNewLinkHref), ReadString(profile, values::kNewLinkText));
    return PickupResult::Delivered;
}

} // namespace quill
