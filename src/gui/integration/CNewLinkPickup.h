#pragma once

#include "ProfileStamp.h"
#include "integration/NewLinkPickup.h"

#include <functional>
#include <optional>

class QtProfile;

// The new-link pickup as the poll tick runs it. The profile file is stat'ed on
// every tick and re-read only when it changed, so a tick with no link waiting
// costs one stat and no parsing.
class CNewLinkPickup : public quill::PollDuty {
public:
    CNewLinkPickup(QtProfile& profile, quill::LinkHandOver handOver);

    void OnPollTick() override { Poll(); }
    quill::PickupResult Poll();

private:
    QtProfile& m_profile;
    QByteArray m_profilePath;
    quill::LinkHandOver m_handOver;
    std::optional<ProfileStamp> m_lastSeen;
    bool m_seenOnce = false;
    bool m_retry = false; // a link is waiting whose flag could not be reset
};
