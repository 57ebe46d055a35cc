#pragma once

#include "tasks/ReminderDialog.h"

class CMainFrame;

// Shows reminders as the modal "Task" dialog, with no parent, so it comes up
// whether the main window is shown or hidden.
class QtReminderDialog : public quill::ReminderDialog {
public:
    explicit QtReminderDialog(CMainFrame& frame) : m_frame(frame) {}

    quill::ReminderAnswer ShowReminder(const quill::DateTime& due,
                                       const std::string& comment) override;
    void ReportTaskFileNotSaved(const std::string& path) override;

private:
    CMainFrame& m_frame;
};
