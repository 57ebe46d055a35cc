#include "core/links/PageAddress.h"

#include <cctype>

namespace quill {

std::string ExtractHandoverAddress(std::string_view markup) {
    constexpr std::string_view kOpening = "href=\"";
    std::size_t start = markup.find(kOpening);
    if (start == std::string_view::npos) {
        return std::string(markup);
    }
    start += kOpening.size();
    std::size_t end = markup.find('"', start);
    return std::string(markup.substr(start, end == std::string_view::npos ? end : end - start));
}

bool OpensAsPage(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    std::string scheme;
    for (char c : address.substr(0, colon)) {
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "file" ||
           scheme == "mailto";
}

} // namespace quill
