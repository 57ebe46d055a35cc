#pragma once

#include "core/links/LinkRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The address a link's anchor points at: the address itself when it already
// names a web scheme ("http://", "https://", in any letter case), otherwise the
// address with "http://" in front.
std::string LinkTarget(std::string_view address);

// The address as the page shows it: at most kShownAddressCharacters characters
// of its shown text (a stored text that is not UTF-8 reads as Latin-1), never
// ending inside a character; shortened tells whether anything was cut off.
inline constexpr std::size_t kShownAddressCharacters = 28;
struct ShownAddressText {
    std::string text;
    bool shortened = false;
};
ShownAddressText ShownAddress(std::string_view address);

// The whole links page: the head with its "Add link" bar, one block per link
// with its Edit, Delete and Add task anchors, its address and its comment, and
// the tail.
std::string WriteLinksPage(const std::vector<LinkRecord>& links);

} // namespace quill
