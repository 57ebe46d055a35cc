#pragma once

#include "tasks/TaskDateTime.h"

#include <string>

namespace quill {

enum class ReminderAnswer { Ok, Delete };

// The modal "Task" reminder.
class ReminderDialog {
public:
    virtual ~ReminderDialog() = default;
    virtual ReminderAnswer ShowReminder(const DateTime& due, const std::string& comment) = 0;
};

} // namespace quill
