#pragma once

#include "core/tasks/TaskDateTime.h"

#include <optional>
#include <string>

namespace quill {

// What the add and edit task dialogs show and give back.
struct TaskDraft {
    DateTime when;
    std::string comment;

    bool operator==(const TaskDraft&) const = default;
};

// The modal dialogs of the task commands. Each call shows its dialog and
// returns when it has closed; meanwhile timers and activation keep running,
// so the lists may change under it.
class TaskDialogs {
public:
    virtual ~TaskDialogs() = default;
    // "Add new task" showing initial; the task as the user left it, or nothing on Cancel.
    virtual std::optional<TaskDraft> AskNewTask(const TaskDraft& initial) = 0;
    // "Edit task" showing initial; the task as the user left it, or nothing on Cancel.
    virtual std::optional<TaskDraft> AskEditedTask(const TaskDraft& initial) = 0;
    // "Delete task": true on "Yes".
    virtual bool ConfirmDeleteTask() = 0;
};

} // namespace quill
