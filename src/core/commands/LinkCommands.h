#pragma once

#include "core/links/LinkDialogs.h"
#include "core/lists/ListStore.h"
#include "core/tasks/Clock.h"
#include "core/tasks/TaskDialogs.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quill {

enum class LinkCommandKind { AddLinkTask, DeleteLink, EditLink, AddLink };

struct LinkCommand {
    LinkCommandKind kind;
    std::int64_t index;
};

// The links page command a clicked anchor's text names, if any. "Add link
// task", "Delete link" and "Edit link" are matched against the text before the
// "|", "Add link" against the whole text.
std::optional<LinkCommand> RecogniseLinkCommand(std::string_view text);

// What the link commands need besides the store.
struct LinkCommandServices {
    LinkDialogs& linkDialogs;
    TaskDialogs& taskDialogs;
    const Clock& clock;
};

// Runs the command a clicked text names, in the shared command flow: an edit
// or delete applies to the link as it is found when its dialog closes; "Add
// task" adds a task "Look for " the link's comment. False when the text names
// no links page command.
bool RunLinkCommand(std::string_view text, ListStore& store, LinkCommandServices services);

} // namespace quill
