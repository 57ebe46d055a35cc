#include "tasks/TaskCommands.h"

#include "files/LineText.h"
#include "frame/MainFrameState.h"
#include "pages/PageCommand.h"
#include "pages/RecordLookup.h"
#include "tasks/TaskFile.h"

namespace quill {

namespace {

// The reminded flag is no text: a reminder shown meanwhile does not make it
// another task.
bool SameTexts(const TaskRecord& a, const TaskRecord& b) {
    return a.m_date == b.m_date && a.m_time == b.m_time && a.m_comment == b.m_comment;
}

CommandOutcome SaveTasks(const MainFrameState& state) {
    CommandOutcome outcome{true, {}};
    if (!SaveTaskFile(state.m_taskFilePath, state.m_tasks)) {
        outcome.unsavedFile = state.m_taskFilePath;
    }
    return outcome;
}

} // namespace

std::optional<TaskCommand> RecogniseTaskCommand(std::string_view text) {
    PageCommandText command = SplitPageCommand(text);
    if (command.verb == "Delete task") {
        return TaskCommand{TaskCommandKind::DeleteTask, command.index};
    }
    if (command.verb == "Edit task") {
        return TaskCommand{TaskCommandKind::EditTask, command.index};
    }
    if (text == "Add task") {
        return TaskCommand{TaskCommandKind::AddTask, 0};
    }
    return std::nullopt;
}

TaskRecord MakeTask(const TaskDraft& draft) {
    TaskDateTexts texts = FormatTaskDateTime(draft.when);
    return TaskRecord{std::move(texts.date), std::move(texts.time),
                      FlattenLineBreaks(draft.comment), false};
}

CommandOutcome AddTask(MainFrameState& state, TaskDialogs& dialogs, const Clock& clock) {
    std::optional<TaskDraft> draft = dialogs.AskNewTask(TaskDraft{clock.Now(), {}});
    if (!draft) {
        return CommandOutcome{true, {}};
    }
    state.m_tasks.push_back(MakeTask(*draft));
    return SaveTasks(state);
}

CommandOutcome EditTask(MainFrameState& state, std::int64_t index, TaskDialogs& dialogs,
                        const Clock& clock) {
    std::optional<TaskRecord> started = RecordAt(state.m_tasks, index);
    if (!started) {
        return CommandOutcome{true, {}};
    }
    std::optional<DateTime> when = ParseTaskDateTime(started->m_date, started->m_time);
    std::optional<TaskDraft> draft =
        dialogs.AskEditedTask(TaskDraft{when.value_or(clock.Now()), started->m_comment});
    if (!draft) {
        return CommandOutcome{true, {}};
    }
    std::optional<std::size_t> at = FindRecordAgain(state.m_tasks, index, *started, SameTexts);
    if (!at) {
        return CommandOutcome{true, {}};
    }
    state.m_tasks[*at] = MakeTask(*draft);
    return SaveTasks(state);
}

CommandOutcome DeleteTask(MainFrameState& state, std::int64_t index, TaskDialogs& dialogs) {
    std::optional<TaskRecord> started = RecordAt(state.m_tasks, index);
    if (!dialogs.ConfirmDeleteTask() || !started) {
        return CommandOutcome{true, {}};
    }
    std::optional<std::size_t> at = FindRecordAgain(state.m_tasks, index, *started, SameTexts);
    if (!at) {
        return CommandOutcome{true, {}};
    }
    state.m_tasks.erase(state.m_tasks.begin() + static_cast<std::ptrdiff_t>(*at));
    return SaveTasks(state);
}

CommandOutcome RunTaskCommand(std::string_view text, MainFrameState& state, TaskDialogs& dialogs,
                              const Clock& clock) {
    std::optional<TaskCommand> command = RecogniseTaskCommand(text);
    if (!command) {
        return CommandOutcome{};
    }
    switch (command->kind) {
    case TaskCommandKind::DeleteTask:
        return DeleteTask(state, command->index, dialogs);
    case TaskCommandKind::EditTask:
        return EditTask(state, command->index, dialogs, clock);
    case TaskCommandKind::AddTask:
        return AddTask(state, dialogs, clock);
    }
    return CommandOutcome{};
}

} // namespace quill
