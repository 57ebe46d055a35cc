#pragma once

#include "ProfileStamp.h"
#include "integration/HandOverFile.h"
#include "integration/NewLinkPickup.h"

#include <functional>
#include <optional>

class QtProfile;

// The new-link pickup as the poll tick runs it. The profile file is stat'ed on
// every tick and re-read only when it changed, so a tick with no link waiting
// costs one stat and no parsing. A tick never waits for another process:
// while one holds the profile's lock, the next tick tries again.
class CNewLinkPickup : public quill::PollDuty {
public:
    CNewLinkPickup(QtProfile& profile, quill::LinkHandOver handOver);

    void OnPollTick() override { Poll(); }
    quill::PickupResult Poll();

private:
    QByteArray m_profilePath;
    quill::HandOverFile m_slot;
    quill::LinkHandOver m_handOver;
    std::optional<ProfileStamp> m_lastSeen;
    bool m_seenOnce = false;
    bool m_retry = false; // a link is waiting that could not be taken yet
};
