#pragma once

#include "core/tasks/TaskDateTime.h"

#include <QDialog>

class QDateTimeEdit;
class QLabel;
class QPlainTextEdit;

// "Task": the reminder of a due task, with its date-time and comment shown
// read-only, "&Later" (5, 10, 30 or 60 minutes), "OK" and "Delete".
class CTaskReminderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTaskReminderDlg(QWidget* parent = nullptr);

    void SetDate(const quill::DateTime& due);
    void SetComment(const QString& comment);
    // The task's minute had passed before it could be reminded.
    void SetMissed(const quill::DateTime& due);

    // "Delete" was chosen.
    bool m_bDelete = false;
    // "Later" was chosen: the minutes to wait, otherwise 0.
    int m_laterMinutes = 0;

private:
    void OnDelete();
    void OnLater(int minutes);

    QDateTimeEdit* m_date;
    QPlainTextEdit* m_comment;
    QLabel* m_missed;
};
