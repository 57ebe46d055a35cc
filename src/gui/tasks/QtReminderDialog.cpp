#include "tasks/QtReminderDialog.h"

#include "common/RecordText.h"
#include "tasks/CTaskReminderDlg.h"

quill::ReminderAnswer QtReminderDialog::ShowReminder(const quill::DateTime& due,
                                                     const std::string& comment) {
    CTaskReminderDlg dialog;
    dialog.SetDate(due);
    dialog.SetComment(ToShownText(comment));
    dialog.exec();
    return dialog.m_bDelete ? quill::ReminderAnswer::Delete : quill::ReminderAnswer::Ok;
}
