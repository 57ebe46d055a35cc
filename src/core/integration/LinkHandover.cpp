#include "core/integration/LinkHandover.h"

#include "core/links/LinkFile.h"
#include "core/links/PageAddress.h"

#include <algorithm>

namespace quill {

namespace {

HandOverResult FinishAdd(ListStore& store, LinkInbox& inbox, const std::string& id,
                         const LinkAnswer& adding) {
    const LinkRecord record{adding.address, adding.comment};
    const auto equal =
        static_cast<std::size_t>(std::count(store.Links().begin(), store.Links().end(), record));
    if (equal <= adding.equalBefore) {
        store.Links().push_back(record);
        if (!store.SaveLinks()) {
            return HandOverResult::NotSaved; // the answer stays "adding": finished later
        }
    }
    inbox.Record(id, {LinkAnswer::State::Added, 0, {}, {}});
    return HandOverResult::Added;
}

} // namespace

HandOverResult AnswerQueuedLink(ListStore& store, AddLinkPrompt& prompt, LinkInbox& inbox,
                                const QueuedLink& link) {
    if (const LinkAnswer* answer = inbox.AnswerOf(link.id);
        answer != nullptr && answer->state == LinkAnswer::State::Adding) {
        return FinishAdd(store, inbox, link.id, LinkAnswer(*answer));
    }
    LinkRecord record{ExtractHandoverAddress(link.href), link.text};
    if (!OpensAsPage(record.m_address)) {
        inbox.Record(link.id, {LinkAnswer::State::Refused, 0, {}, {}});
        return HandOverResult::Refused;
    }
    switch (prompt.Ask(record)) {
    case AddLinkPrompt::Answer::Interrupted:
        return HandOverResult::NotAnswered;
    case AddLinkPrompt::Answer::Cancel:
        inbox.Record(link.id, {LinkAnswer::State::Declined, 0, {}, {}});
        return HandOverResult::Declined;
    case AddLinkPrompt::Answer::Ok:
        break;
    }
    const LinkRecord stored = SanitizeLinkForStorage(std::move(record));
    const LinkAnswer adding{
        LinkAnswer::State::Adding,
        static_cast<std::size_t>(std::count(store.Links().begin(), store.Links().end(), stored)),
        stored.m_address, stored.m_comment};
    // Even where the answer cannot be written the user's OK is carried out.
    inbox.Record(link.id, adding);
    return FinishAdd(store, inbox, link.id, adding);
}

} // namespace quill
