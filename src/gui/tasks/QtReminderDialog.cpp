#include "tasks/QtReminderDialog.h"

#include "common/DisplayText.h"
#include "frame/CMainFrame.h"
#include "tasks/CTaskReminderDlg.h"

quill::ReminderAnswer QtReminderDialog::ShowReminder(const quill::DateTime& due,
                                                     const std::string& comment) {
    CTaskReminderDlg dialog;
    dialog.SetDate(due);
    dialog.SetComment(DisplayText(comment));
    dialog.exec();
    return dialog.m_bDelete ? quill::ReminderAnswer::Delete : quill::ReminderAnswer::Ok;
}

void QtReminderDialog::ReportTaskFileNotSaved(const std::string& path) {
    m_frame.ReportSaveFailure(path);
}
