#include "gui/tasks/QtReminderDialog.h"

#include "gui/common/RecordText.h"
#include "gui/common/UserMessages.h"
#include "gui/platform/DesktopNotification.h"
#include "gui/tasks/CTaskReminderDlg.h"

#include <QWidget>

quill::ReminderReply QtReminderDialog::ShowReminder(const quill::DateTime& due,
                                                    const std::string& comment, bool missed) {
    CTaskReminderDlg dialog;
    dialog.SetDate(due);
    dialog.SetComment(ToShownText(comment));
    if (missed) {
        dialog.SetMissed(due);
    }
    DesktopNotification notice;
    if (!m_frame.isVisible()) {
        QObject::connect(&notice, &DesktopNotification::Clicked, &dialog, [&dialog] {
            dialog.show();
            dialog.raise();
            dialog.activateWindow();
        });
        notice.Show(QObject::tr("Quillmark task"), ToShownText(comment));
    }
    dialog.exec();
    if (dialog.m_bDelete) {
        return {quill::ReminderAnswer::Delete};
    }
    if (dialog.m_laterMinutes > 0) {
        return {quill::ReminderAnswer::Later, dialog.m_laterMinutes};
    }
    return {quill::ReminderAnswer::Ok};
}

void QtReminderDialog::ShowMoreMissed(std::size_t count) {
    ShowInformation(&m_frame, count == 1
                                  ? QObject::tr("1 more missed task is on the Tasks page.")
                                  : QObject::tr("%1 more missed tasks are on the Tasks page.")
                                        .arg(static_cast<qulonglong>(count)));
}
