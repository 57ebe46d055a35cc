#pragma once

#include "tasks/ReminderDialog.h"

// Shows reminders as the modal "Task" dialog, with no parent, so it comes up
// whether the main window is shown or hidden.
class QtReminderDialog : public quill::ReminderDialog {
public:
    quill::ReminderAnswer ShowReminder(const quill::DateTime& due,
                                       const std::string& comment) override;
};
