#pragma once

#include "core/files/FileStamp.h"
#include "core/integration/HandOverFile.h"
#include "core/integration/LinkInbox.h"
#include "core/integration/NewLinkPickup.h"
#include "profile/QtLockFile.h"

#include <functional>
#include <optional>
#include <set>

class QtProfile;

// The new-link pickup as the profile folder's changes run it. Handed-over
// links are offered one at a time, in arrival order: the next only once the
// last was answered. A link an older host left in the profile's single slot
// joins the queue first. A look never waits for another process: while one
// holds the profile's lock, the next look tries again.
class CNewLinkPickup : public quill::PollDuty {
public:
    using Offer = std::function<void(const quill::QueuedLink&)>;
    CNewLinkPickup(QtProfile& profile, Offer offer);

    void OnPollTick() override { Poll(); }
    quill::PickupResult Poll();
    // The offered link was answered, or its dialog ended with the program.
    void Answered();

    quill::LinkInbox& Inbox() { return m_inbox; }

private:
    void OfferNext();

    std::string m_profilePath; // in the file system's encoding, made once for every tick's stamp
    QtLockFile m_profileLock;  // lent to both, which never hold it at once
    quill::HandOverFile m_slot;
    quill::LinkInbox m_inbox;
    Offer m_offer;
    std::optional<quill::FileStamp> m_lastSeen; // nothing while there is no profile file
    std::optional<quill::FileStamp> m_queueSeen;
    bool m_seenOnce = false;
    bool m_retry = false;            // a slot link is waiting that could not be taken yet
    bool m_offering = false;         // a link's dialog is open
    bool m_lookAgain = true;         // the queue may hold a link not offered yet
    std::set<std::string> m_offered; // never twice in one run, even where an answer was not stored
};
