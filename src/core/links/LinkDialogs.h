#pragma once

#include "core/links/LinkRecord.h"

#include <optional>

namespace quill {

// The modal dialogs of the link commands. Each call shows its dialog and
// returns when it has closed; meanwhile timers and activation keep running,
// so the lists may change under it.
class LinkDialogs {
public:
    virtual ~LinkDialogs() = default;
    // "Add new link", its boxes showing initial. The link as the user left it,
    // or nothing on Cancel.
    virtual std::optional<LinkRecord> AskNewLink(const LinkRecord& initial) = 0;
    // "Edit link", its boxes showing link. The link as the user left it, or
    // nothing on Cancel.
    virtual std::optional<LinkRecord> AskEditedLink(const LinkRecord& link) = 0;
    // "Delete link": true on "Yes".
    virtual bool ConfirmDeleteLink() = 0;
};

} // namespace quill
