#pragma once

#include "settings/Profile.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace quill {

// Stores one message where the program's pickup looks for it: "new_link_href"
// and "new_link_text" first, then "new_link" = "true", so the program never
// sees the flag with older texts. Returns the answer for the extension; a
// refused message leaves the profile as it was.
std::string DeliverLinkMessage(std::string_view json, Profile& profile);

// The link host's whole run: answers each framed message until the input
// closes. A truncated or oversized frame gets one refusal and ends the run.
// Returns the process exit status.
int ServeLinkHost(std::istream& in, std::ostream& out, Profile& profile);

} // namespace quill
