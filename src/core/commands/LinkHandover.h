#pragma once

#include "links/LinkRecord.h"
#include "lists/ListStore.h"

#include <string>
#include <string_view>

namespace quill {

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

// What the frame does with a picked-up link: the user confirms or corrects the
// address taken from the markup, with the link text as comment, and on OK the
// link joins the end of the list as it is when the dialog closes, stored as
// typed links are, and the link file is rewritten. True when it was added.
bool HandOverLink(ListStore& store, AddLinkPrompt& prompt, std::string_view hrefMarkup,
                  std::string text);

} // namespace quill
