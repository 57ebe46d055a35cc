#pragma once

#include "links/LinkRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The address a link's anchor points at: the address itself when it already
// names a web scheme ("http://", "https://", in any letter case), otherwise the
// address with "http://" in front.
std::string LinkTarget(std::string_view address);

// How much of an address the page shows: at most kShownAddressBytes bytes, cut
// back to the start of a character so a multi-byte character is never split.
inline constexpr std::size_t kShownAddressBytes = 28;
std::string_view ShownAddress(std::string_view address);

// The whole links page: the head with its "Add link" bar, one block per link
// with its Edit, Delete and Add task anchors, its address and its comment, and
// the tail.
std::string WriteLinksPage(const std::vector<LinkRecord>& links);

} // namespace quill
