#pragma once

#include "gui/common/TemplateDialog.h"

class QDateTimeEdit;
class CommentEdit;

// The add and edit task dialogs: a date-time picker (day, month, year, hour and
// minute, 24-hour, with a drop-down calendar) and a comment box. OK copies the
// comment box into m_comment; the picker keeps its value after the dialog closes.
// Tab leaves the picker for the comment box; Enter there confirms the dialog,
// unless the comment is still empty: then it goes to the comment box first.
class CTaskFieldsDlg : public TemplateDialog {
    Q_OBJECT
public:
    QDateTimeEdit* m_dateTimeCtrl;
    QString m_comment;

    int exec() override;

protected:
    CTaskFieldsDlg(QWidget* parent, const QString& objectName, const QString& caption,
                   const QIcon& icon);
    // Tab and Enter in the picker act as in any dialog's field, not on its sections.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CommentEdit* m_commentEdit;
};

class CAddTaskDlg : public CTaskFieldsDlg {
    Q_OBJECT
public:
    explicit CAddTaskDlg(QWidget* parent = nullptr);
};

class CEditTaskDlg : public CTaskFieldsDlg {
    Q_OBJECT
public:
    explicit CEditTaskDlg(QWidget* parent = nullptr);
};
