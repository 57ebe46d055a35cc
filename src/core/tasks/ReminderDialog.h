#pragma once

#include "tasks/TaskDateTime.h"

#include <string>

namespace quill {

enum class ReminderAnswer { Ok, Delete };

// The modal "Task" reminder and what the reminder pass has to tell the user.
class ReminderDialog {
public:
    virtual ~ReminderDialog() = default;
    virtual ReminderAnswer ShowReminder(const DateTime& due, const std::string& comment) = 0;
    // The task was removed from the list but the task file keeps the old contents.
    virtual void ReportTaskFileNotSaved(const std::string& path) = 0;
};

} // namespace quill
