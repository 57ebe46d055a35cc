#pragma once

#include "app/Clock.h"
#include "pages/CommandOutcome.h"
#include "tasks/TaskDialogs.h"
#include "tasks/TaskRecord.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quill {

struct MainFrameState;

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

// Each command shows its dialog, then applies the result to the task list as it
// is when the dialog has closed and rewrites the task file. Nothing is written
// when the dialog is cancelled or the task it was opened on has gone.
CommandOutcome AddTask(MainFrameState& state, TaskDialogs& dialogs, const Clock& clock);
CommandOutcome EditTask(MainFrameState& state, std::int64_t index, TaskDialogs& dialogs,
                        const Clock& clock);
CommandOutcome DeleteTask(MainFrameState& state, std::int64_t index, TaskDialogs& dialogs);

// Runs the command a clicked text names; an outcome that is not recognised
// when it names none.
CommandOutcome RunTaskCommand(std::string_view text, MainFrameState& state, TaskDialogs& dialogs,
                              const Clock& clock);

} // namespace quill
