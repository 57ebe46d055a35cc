#pragma once

#include "core/lists/ListStore.h"
#include "core/tasks/Clock.h"
#include "core/tasks/TaskDialogs.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quill {

enum class TaskCommandKind { DeleteTask, EditTask, AddTask };

struct TaskCommand {
    TaskCommandKind kind;
    std::int64_t index;
};

// The tasks page command a clicked anchor's text names, if any. "Delete task"
// and "Edit task" are matched against the text before the "|", "Add task"
// against the whole text.
std::optional<TaskCommand> RecogniseTaskCommand(std::string_view text);

// The record a confirmed add or edit dialog stands for: the date-time in the
// file's forms, the comment on one line, not yet reminded.
TaskRecord MakeTask(const TaskDraft& draft);

// Runs the command a clicked text names, in the shared command flow; an edit
// of a task that is not there shows no dialog. False when the text names no
// tasks page command.
bool RunTaskCommand(std::string_view text, ListStore& store, TaskDialogs& dialogs,
                    const Clock& clock);

} // namespace quill
