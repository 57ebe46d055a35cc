#pragma once

#include "core/tasks/TaskDateTime.h"

#include <cstddef>
#include <string>

namespace quill {

enum class ReminderAnswer { Ok, Delete, Later };

struct ReminderReply {
    ReminderAnswer answer = ReminderAnswer::Ok;
    int laterMinutes = 0; // with Later: how long the task waits
};

// The modal "Task" reminder.
class ReminderDialog {
public:
    virtual ~ReminderDialog() = default;
    // missed: the task's minute passed before it could be reminded.
    virtual ReminderReply ShowReminder(const DateTime& due, const std::string& comment,
                                       bool missed) = 0;
    // After the most missed reminders shown in a row: how many more were missed.
    virtual void ShowMoreMissed(std::size_t count) = 0;
};

} // namespace quill
