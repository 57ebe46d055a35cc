#include "core/commands/LinkCommands.h"

#include "core/commands/CommandFlow.h"
#include "core/commands/TaskCommands.h"
#include "core/links/LinkFile.h"
#include "core/pages/PageCommand.h"

namespace quill {

namespace {

constexpr std::string_view kLookFor = "Look for ";

bool SameLink(const LinkRecord& a, const LinkRecord& b) {
    return a == b;
}

std::optional<LinkRecord> Stored(std::optional<LinkRecord> link) {
    if (link) {
        return SanitizeLinkForStorage(std::move(*link));
    }
    return std::nullopt;
}

void AddLinkTask(ListStore& store, std::int64_t index, TaskDialogs& dialogs, const Clock& clock) {
    TaskDraft initial{clock.Now(), {}};
    if (std::optional<LinkRecord> link = RecordAt(store.Links(), index)) {
        initial.comment = std::string(kLookFor) + link->m_comment;
    }
    std::optional<TaskDraft> draft = dialogs.AskNewTask(initial);
    AppendRecord(store.Tasks(), draft ? std::optional(MakeTask(*draft)) : std::nullopt,
                 [&store] { store.SaveTasks(); });
}

} // namespace

std::optional<LinkCommand> RecogniseLinkCommand(std::string_view text) {
    PageCommandText command = SplitPageCommand(text);
    if (command.verb == "Add link task") {
        return LinkCommand{LinkCommandKind::AddLinkTask, command.index};
    }
    if (command.verb == "Delete link") {
        return LinkCommand{LinkCommandKind::DeleteLink, command.index};
    }
    if (command.verb == "Edit link") {
        return LinkCommand{LinkCommandKind::EditLink, command.index};
    }
    if (text == "Add link") {
        return LinkCommand{LinkCommandKind::AddLink, 0};
    }
    return std::nullopt;
}

bool RunLinkCommand(std::string_view text, ListStore& store, LinkCommandServices services) {
    std::optional<LinkCommand> command = RecogniseLinkCommand(text);
    if (!command) {
        return false;
    }
    auto save = [&store] { store.SaveLinks(); };
    LinkDialogs& dialogs = services.linkDialogs;
    switch (command->kind) {
    case LinkCommandKind::AddLinkTask:
        AddLinkTask(store, command->index, services.taskDialogs, services.clock);
        break;
    case LinkCommandKind::DeleteLink:
        RemoveRecord(
            store.Links(), command->index, [&dialogs] { return dialogs.ConfirmDeleteLink(); },
            SameLink, save);
        break;
    case LinkCommandKind::EditLink:
        // The dialog shows even for a link that is not there, with empty boxes.
        ReplaceRecord(
            store.Links(), command->index,
            [&dialogs](const std::optional<LinkRecord>& link) {
                return Stored(dialogs.AskEditedLink(link.value_or(LinkRecord{})));
            },
            SameLink, save);
        break;
    case LinkCommandKind::AddLink:
        AppendRecord(store.Links(), Stored(dialogs.AskNewLink(LinkRecord{})), save);
        break;
    }
    return true;
}

} // namespace quill
