#include "gui/tasks/QtTaskDialogs.h"

#include "gui/common/QtClock.h"
#include "gui/common/RecordText.h"
#include "gui/tasks/CDeleteTaskDlg.h"
#include "gui/tasks/CTaskFieldsDlg.h"

#include <QDateTimeEdit>

namespace {

std::optional<quill::TaskDraft> Run(CTaskFieldsDlg& dialog, const quill::TaskDraft& shown) {
    dialog.m_dateTimeCtrl->setDateTime(ToQDateTime(shown.when));
    dialog.m_comment = ToShownText(shown.comment);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return quill::TaskDraft{ToDateTime(dialog.m_dateTimeCtrl->dateTime()),
                            FromEditedText(dialog.m_comment, shown.comment)};
}

} // namespace

std::optional<quill::TaskDraft> QtTaskDialogs::AskNewTask(const quill::TaskDraft& initial) {
    CAddTaskDlg dialog(m_parent);
    return Run(dialog, initial);
}

std::optional<quill::TaskDraft> QtTaskDialogs::AskEditedTask(const quill::TaskDraft& initial) {
    CEditTaskDlg dialog(m_parent);
    return Run(dialog, initial);
}

bool QtTaskDialogs::ConfirmDeleteTask() {
    CDeleteTaskDlg dialog(m_parent);
    return dialog.exec() == QDialog::Accepted;
}
