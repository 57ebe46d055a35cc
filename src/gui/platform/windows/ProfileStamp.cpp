#include "ProfileStamp.h"

std::optional<ProfileStamp> StampOfProfile(const QByteArray&) {
    // The profile is the registry, read afresh on every access.
    return std::nullopt;
}
