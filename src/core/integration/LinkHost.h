#pragma once

#include "integration/HandOverFile.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace quill {

// The refusal that tells the user the program did not take the link waiting
// before this one.
inline constexpr std::string_view kNotRunningReason = "Quillmark is not running";
inline constexpr int kHostPatienceMs = 3000;

// Stores one message where the program's pickup looks for it, all three values
// in one write. A link that still waits is never replaced: after patienceMs
// the message is refused as not running and the waiting link stays. Returns
// the answer for the extension, "ok" only once the stored link was read back;
// a refused message leaves the profile as it was.
std::string DeliverLinkMessage(std::string_view json, HandOverFile& slot,
                               int patienceMs = kHostPatienceMs);

// The link host's whole run: answers each framed message until the input
// closes. A truncated or oversized frame gets one refusal and ends the run.
// Returns the process exit status.
int ServeLinkHost(std::istream& in, std::ostream& out, HandOverFile& slot,
                  int patienceMs = kHostPatienceMs);

} // namespace quill
