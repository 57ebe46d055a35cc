#include "tasks/CTaskReminderDlg.h"

#include "common/DialogUnits.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

CTaskReminderDlg::CTaskReminderDlg(QWidget* parent)
    : QDialog(parent), m_date(new QDateTimeEdit(this)), m_comment(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("taskReminderDlg"));
    setWindowTitle(tr("Task"));
    // The main window stays on top of everything; the reminder must not end up behind it.
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    const DialogUnits du(font());
    setFixedSize(du.Size(208, 86));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(du.Rect(7, 7, 21, 20));

    auto* dateLabel = new QLabel(tr("Task date:"), this);
    dateLabel->setGeometry(du.Rect(36, 7, 50, 8));
    m_date->setObjectName(QStringLiteral("dueDate"));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
    m_date->setCalendarPopup(true);
    m_date->setEnabled(false);
    m_date->setGeometry(du.Rect(90, 5, 111, 13));

    auto* commentLabel = new QLabel(tr("Task comment:"), this);
    commentLabel->setGeometry(du.Rect(36, 22, 60, 8));
    m_comment->setObjectName(QStringLiteral("comment"));
    m_comment->setReadOnly(true);
    m_comment->setEnabled(false);
    m_comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_comment->setGeometry(du.Rect(36, 32, 165, 30));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(du.Rect(96, 66, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* remove = new QPushButton(tr("Delete"), this);
    remove->setObjectName(QStringLiteral("delete"));
    remove->setGeometry(du.Rect(151, 66, 50, 14));
    connect(remove, &QPushButton::clicked, this, &CTaskReminderDlg::OnDelete);
}

void CTaskReminderDlg::SetDate(const quill::DateTime& due) {
    m_date->setDateTime(
        QDateTime(QDate(due.year, due.month, due.day), QTime(due.hour, due.minute)));
}

void CTaskReminderDlg::SetComment(const QString& comment) {
    m_comment->setPlainText(comment);
}

void CTaskReminderDlg::OnDelete() {
    m_bDelete = true;
    reject();
}
