#pragma once

#include "app/Clock.h"
#include "links/LinkDialogs.h"
#include "pages/CommandOutcome.h"
#include "tasks/TaskDialogs.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quill {

struct MainFrameState;

enum class LinkCommandKind { AddLinkTask, DeleteLink, EditLink, AddLink };

struct LinkCommand {
    LinkCommandKind kind;
    std::int64_t index;
};

// The links page command a clicked anchor's text names, if any. "Add link
// task", "Delete link" and "Edit link" are matched against the text before the
// "|", "Add link" against the whole text.
std::optional<LinkCommand> RecogniseLinkCommand(std::string_view text);

// What the link commands need besides the lists.
struct LinkCommandServices {
    LinkDialogs& linkDialogs;
    TaskDialogs& taskDialogs;
    const Clock& clock;
};

// Each command shows its dialog, then applies the result to the lists as they
// are when the dialog has closed and rewrites the file it changed. Nothing is
// written when the dialog is cancelled or the link it was opened on has gone.
CommandOutcome AddLink(MainFrameState& state, LinkDialogs& dialogs);
CommandOutcome EditLink(MainFrameState& state, std::int64_t index, LinkDialogs& dialogs);
CommandOutcome DeleteLink(MainFrameState& state, std::int64_t index, LinkDialogs& dialogs);
// A task "Look for " the link's comment, due when the user says.
CommandOutcome AddLinkTask(MainFrameState& state, std::int64_t index, TaskDialogs& dialogs,
                           const Clock& clock);

// Runs the command a clicked text names; an outcome that is not recognised
// when it names none.
CommandOutcome RunLinkCommand(std::string_view text, MainFrameState& state,
                              LinkCommandServices services);

} // namespace quill
