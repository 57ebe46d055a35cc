#include "commands/LinkHandover.h"

#include "links/LinkFile.h"

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

bool HandOverLink(ListStore& store, AddLinkPrompt& prompt, std::string_view hrefMarkup,
                  std::string text) {
    LinkRecord link{ExtractHandoverAddress(hrefMarkup), std::move(text)};
    if (!prompt.Ask(link)) {
        return false;
    }
    store.Links().push_back(SanitizeLinkForStorage(std::move(link)));
    store.SaveLinks();
    return true;
}

} // namespace quill
