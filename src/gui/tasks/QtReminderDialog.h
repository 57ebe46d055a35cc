#pragma once

#include "core/tasks/ReminderDialog.h"

class QWidget;

// Shows reminders as the modal "Task" dialog, with no parent, so it comes up
// whether the main window is shown or hidden; with the window hidden in the
// tray, a desktop notification points to it as well.
class QtReminderDialog : public quill::ReminderDialog {
public:
    explicit QtReminderDialog(QWidget& frame) : m_frame(frame) {}

    quill::ReminderReply ShowReminder(const quill::DateTime& due, const std::string& comment,
                                      bool missed) override;
    void ShowMoreMissed(std::size_t count) override;

private:
    QWidget& m_frame;
};
