#include "links/LinkHandover.h"

#include "frame/MainFrameState.h"
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

HandoverOutcome HandOverLink(MainFrameState& state, AddLinkPrompt& prompt) {
    state.m_newLinkHref = ExtractHandoverAddress(state.m_newLinkHref);
    LinkRecord link{state.m_newLinkHref, state.m_newLinkText};
    HandoverOutcome outcome;
    if (!prompt.Ask(link)) {
        return outcome;
    }
    state.m_links.push_back(SanitizeLinkForStorage(std::move(link)));
    outcome.appended = true;
    outcome.saved = SaveLinkFile(state.m_linkFilePath, state.m_links);
    return outcome;
}

} // namespace quill
