#include "core/commands/TaskCommands.h"

#include "core/commands/CommandFlow.h"
#include "core/files/LineText.h"
#include "core/pages/PageCommand.h"

namespace quill {

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
                      FlattenLineBreaks(draft.comment)};
}

bool RunTaskCommand(std::string_view text, ListStore& store, TaskDialogs& dialogs,
                    const Clock& clock) {
    std::optional<TaskCommand> command = RecogniseTaskCommand(text);
    if (!command) {
        return false;
    }
    auto save = [&store] { store.SaveTasks(); };
    auto made = [](std::optional<TaskDraft> draft) {
        return draft ? std::optional(MakeTask(*draft)) : std::nullopt;
    };
    switch (command->kind) {
    case TaskCommandKind::DeleteTask:
        RemoveRecord(
            store.Tasks(), command->index, [&dialogs] { return dialogs.ConfirmDeleteTask(); },
            SameTask, save);
        break;
    case TaskCommandKind::EditTask:
        ReplaceRecord(
            store.Tasks(), command->index,
            [&](const std::optional<TaskRecord>& task) -> std::optional<TaskRecord> {
                if (!task) {
                    return std::nullopt;
                }
                std::optional<DateTime> when = ParseTaskDateTime(task->m_date, task->m_time);
                return made(
                    dialogs.AskEditedTask(TaskDraft{when.value_or(clock.Now()), task->m_comment}));
            },
            SameTask, save);
        break;
    case TaskCommandKind::AddTask:
        AppendRecord(store.Tasks(), made(dialogs.AskNewTask(TaskDraft{clock.Now(), {}})), save);
        break;
    }
    return true;
}

} // namespace quill
