#pragma once

#include "core/integration/HandOverQueue.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace quill {

// How long the host waits for the profile's lock.
inline constexpr int kHostPatienceMs = 3000;

// Queues one message for the program, durably, and answers the extension:
// "ok" once the link is stored, with "kept" when no program runs to take it
// now (it is offered at the next start). A refused message changes nothing.
std::string DeliverLinkMessage(std::string_view json, const HandOverPaths& paths,
                               CrossProcessLock& profileLock, int patienceMs = kHostPatienceMs);

// The link host's whole run: answers each framed message until the input
// closes. A truncated or oversized frame gets one refusal and ends the run.
// Returns the process exit status.
int ServeLinkHost(std::istream& in, std::ostream& out, const HandOverPaths& paths,
                  CrossProcessLock& profileLock, int patienceMs = kHostPatienceMs);

} // namespace quill
