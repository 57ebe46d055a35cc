#pragma once

#include "tasks/TaskDateTime.h"

#include <QDialog>

class QDateTimeEdit;
class QPlainTextEdit;

// "Task": the reminder of a due task, with its date-time and comment read-only,
// "OK" and "Delete".
class CTaskReminderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTaskReminderDlg(QWidget* parent = nullptr);

    void SetDate(const quill::DateTime& due);
    void SetComment(const QString& comment);
    // "Delete" was chosen.
    bool m_bDelete = false;

private:
    void OnDelete();

    QDateTimeEdit* m_date;
    QPlainTextEdit* m_comment;
};
