#pragma once

#include "core/files/CrossProcessLock.h"
#include "core/files/ProcessClaim.h"
#include "core/integration/HandOverQueue.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quill {

// The running program's side of the queue. Only the process holding the
// claim reads it, so two instances never offer one link twice, and the host
// can tell the user whether a program took the link. Answers go to a file of
// the program's own, durably, before the link may leave the queue: a link
// stays pending until the user answered it, whenever the program ends.
class LinkInbox {
public:
    // profileLock: the profile's own lock, lent for this object's life.
    LinkInbox(const std::string& profilePath, CrossProcessLock& profileLock);

    // Takes the claim and reads the answers given before; never waits. False
    // while another process holds the claim or the answers cannot be read.
    bool Claim();
    bool Claimed() const { return m_claim.Held(); }

    // Every link not answered for good, in arrival order (an add cut short
    // included); nothing when the queue cannot be read.
    std::optional<std::vector<QueuedLink>> Pending() const;
    const LinkAnswer* AnswerOf(const std::string& id) const;

    // Stores the answer durably; false when it could not be written (the
    // answer is then kept in memory only).
    bool Record(const std::string& id, LinkAnswer answer);

    // Drops answered links from the queue, then their answers. Never waits:
    // while the profile's lock is busy, a later call does it.
    void Compact();

    const HandOverPaths& Paths() const { return m_paths; }

private:
    bool WriteAnswers();

    HandOverPaths m_paths;
    CrossProcessLock& m_lock;
    ProcessClaim m_claim;
    std::map<std::string, LinkAnswer> m_answers;
};

} // namespace quill
