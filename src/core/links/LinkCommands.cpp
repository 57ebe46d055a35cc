#include "links/LinkCommands.h"

#include "frame/MainFrameState.h"
#include "links/LinkFile.h"
#include "pages/PageCommand.h"
#include "pages/RecordLookup.h"
#include "tasks/TaskCommands.h"
#include "tasks/TaskFile.h"

namespace quill {

namespace {

bool SameTexts(const LinkRecord& a, const LinkRecord& b) {
    return a == b;
}

CommandOutcome Saved(bool ok, const std::string& path) {
    return CommandOutcome{true, ok ? std::string() : path};
}

CommandOutcome SaveLinks(const MainFrameState& state) {
    return Saved(SaveLinkFile(state.m_linkFilePath, state.m_links), state.m_linkFilePath);
}

constexpr std::string_view kLookFor = "Look for ";

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

CommandOutcome AddLink(MainFrameState& state, LinkDialogs& dialogs) {
    std::optional<LinkRecord> link = dialogs.AskNewLink(LinkRecord{});
    if (!link) {
        return CommandOutcome{true, {}};
    }
    state.m_links.push_back(SanitizeLinkForStorage(std::move(*link)));
    return SaveLinks(state);
}

CommandOutcome EditLink(MainFrameState& state, std::int64_t index, LinkDialogs& dialogs) {
    std::optional<LinkRecord> started = RecordAt(state.m_links, index);
    std::optional<LinkRecord> edited = dialogs.AskEditedLink(started.value_or(LinkRecord{}));
    if (!edited || !started) {
        return CommandOutcome{true, {}};
    }
    std::optional<std::size_t> at = FindRecordAgain(state.m_links, index, *started, SameTexts);
    if (!at) {
        return CommandOutcome{true, {}};
    }
    state.m_links[*at] = SanitizeLinkForStorage(std::move(*edited));
    return SaveLinks(state);
}

CommandOutcome DeleteLink(MainFrameState& state, std::int64_t index, LinkDialogs& dialogs) {
    std::optional<LinkRecord> started = RecordAt(state.m_links, index);
    if (!dialogs.ConfirmDeleteLink() || !started) {
        return CommandOutcome{true, {}};
    }
    std::optional<std::size_t> at = FindRecordAgain(state.m_links, index, *started, SameTexts);
    if (!at) {
        return CommandOutcome{true, {}};
    }
    state.m_links.erase(state.m_links.begin() + static_cast<std::ptrdiff_t>(*at));
    return SaveLinks(state);
}

CommandOutcome AddLinkTask(MainFrameState& state, std::int64_t index, TaskDialogs& dialogs,
                           const Clock& clock) {
    TaskDraft initial{clock.Now(), {}};
    if (std::optional<LinkRecord> link = RecordAt(state.m_links, index)) {
        initial.comment = std::string(kLookFor) + link->m_comment;
    }
    std::optional<TaskDraft> draft = dialogs.AskNewTask(initial);
    if (!draft) {
        return CommandOutcome{true, {}};
    }
    state.m_tasks.push_back(MakeTask(*draft));
    return Saved(SaveTaskFile(state.m_taskFilePath, state.m_tasks), state.m_taskFilePath);
}

CommandOutcome RunLinkCommand(std::string_view text, MainFrameState& state,
                              LinkCommandServices services) {
    std::optional<LinkCommand> command = RecogniseLinkCommand(text);
    if (!command) {
        return CommandOutcome{};
    }
    switch (command->kind) {
    case LinkCommandKind::AddLinkTask:
        return AddLinkTask(state, command->index, services.taskDialogs, services.clock);
    case LinkCommandKind::DeleteLink:
        return DeleteLink(state, command->index, services.linkDialogs);
    case LinkCommandKind::EditLink:
        return EditLink(state, command->index, services.linkDialogs);
    case LinkCommandKind::AddLink:
        return AddLink(state, services.linkDialogs);
    }
    return CommandOutcome{};
}

} // namespace quill
