#pragma once

#include "links/LinkRecord.h"

#include <string>
#include <string_view>

namespace quill {

struct MainFrameState;

// The "Add new link" dialog as a hand-over uses it: shown modally with the
// link filled in; true on OK, with the link as the user left it.
class AddLinkPrompt {
public:
    virtual ~AddLinkPrompt() = default;
    virtual bool Ask(LinkRecord& link) = 0;
};

// The address inside handed-over anchor markup: the text after the first
// `href="` up to the next double quote (to the end without one). Markup that
// holds no `href="` is taken whole, so the user still sees what arrived.
std::string ExtractHandoverAddress(std::string_view markup);

struct HandoverOutcome {
    bool appended = false; // the user confirmed: the link is the last of m_links
    bool saved = false;    // and the link file was rewritten
};

// What the frame does with a picked-up link: the address replaces the markup
// in m_newLinkHref, the user confirms or corrects it with the link text as
// comment, and on OK the link joins the end of the list as it is when the
// dialog closes, stored as typed links are.
HandoverOutcome HandOverLink(MainFrameState& state, AddLinkPrompt& prompt);

} // namespace quill
