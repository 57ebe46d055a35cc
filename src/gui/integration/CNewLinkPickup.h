#pragma once

#include "ProfileStamp.h"
#include "integration/HandOverFile.h"
#include "integration/NewLinkPickup.h"

#include <functional>
#include <optional>

class QtProfile;

// The new-link pickup as the profile's changes run it. The profile file is
// stat'ed on every look and re-read only when it changed, so a look with no
// link waiting costs one stat and no parsing. A look never waits for another
// process: while one holds the profile's lock, the next look tries again.
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
