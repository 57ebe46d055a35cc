#pragma once

#include "core/integration/LinkInbox.h"
#include "core/links/LinkRecord.h"
#include "core/lists/ListStore.h"

namespace quill {

// The "Add new link" dialog as a hand-over uses it: shown modally with the
// link filled in. Interrupted: the program ended while it was open, which
// is no answer of the user's.
class AddLinkPrompt {
public:
    enum class Answer { Ok, Cancel, Interrupted };
    virtual ~AddLinkPrompt() = default;
    virtual Answer Ask(LinkRecord& link) = 0;
};

enum class HandOverResult {
    Added,       // on the list and in the link file
    Declined,    // Cancel
    Refused,     // not an address a browser opens as a page; never shown
    NotAnswered, // the dialog was interrupted: the link stays pending
    NotSaved,    // on the list, but the link file could not be written yet
};

// Offers one queued link: the user confirms or corrects the address taken
// from the markup, with the link text as comment, and on OK the link joins
// the end of the list as it is when the dialog closes, stored as typed links
// are. The answer is recorded in the inbox before the list is saved, and the
// add recorded as done after, so an add cut short by the program's end is
// finished at the next offer without asking again and without a second copy.
HandOverResult AnswerQueuedLink(ListStore& store, AddLinkPrompt& prompt, LinkInbox& inbox,
                                const QueuedLink& link);

} // namespace quill
