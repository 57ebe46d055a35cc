#pragma once

#include <string>
#include <string_view>

namespace quill {

// The address inside handed-over anchor markup: the text after the first
// `href="` up to the next double quote (to the end without one). Markup that
// holds no `href="` is taken whole, so the user still sees what arrived.
std::string ExtractHandoverAddress(std::string_view markup);

// Whether a web browser opens the address as a page: http, https, ftp, file
// and mailto addresses, the scheme in any case and nothing before it. A
// handed-over javascript: or data: address would run or show code instead.
bool OpensAsPage(std::string_view address);
inline constexpr std::string_view kNotAPageReason =
    "only web, FTP, file and mail addresses can be added";

} // namespace quill
