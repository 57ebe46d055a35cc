#include "gui/tasks/CTaskReminderDlg.h"

#include "gui/common/DialogUnits.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int kLaterChoices[] = {5, 10, 30, 60};
constexpr int kLaterOnPlainClick = 10;
} // namespace

CTaskReminderDlg::CTaskReminderDlg(QWidget* parent)
    : QDialog(parent), m_date(new QDateTimeEdit(this)), m_comment(new QPlainTextEdit(this)),
      m_missed(new QLabel(this)) {
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

    // Read-only rather than disabled: the user has to be able to read and copy them.
    auto* dateLabel = new QLabel(tr("Task date:"), this);
    dateLabel->setGeometry(du.Rect(36, 7, 50, 8));
    m_date->setObjectName(QStringLiteral("dueDate"));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
    m_date->setReadOnly(true);
    m_date->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_date->setFocusPolicy(Qt::NoFocus);
    m_date->setGeometry(du.Rect(90, 5, 111, 13));

    auto* commentLabel = new QLabel(tr("Task comment:"), this);
    commentLabel->setGeometry(du.Rect(36, 22, 60, 8));
    m_missed->setObjectName(QStringLiteral("missed"));
    m_missed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_missed->setGeometry(du.Rect(96, 22, 105, 8));
    m_missed->hide();
    m_comment->setObjectName(QStringLiteral("comment"));
    m_comment->setReadOnly(true);
    m_comment->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_comment->setGeometry(du.Rect(36, 32, 165, 30));

    auto* later = new QToolButton(this);
    later->setObjectName(QStringLiteral("later"));
    later->setText(tr("&Later"));
    later->setToolButtonStyle(Qt::ToolButtonTextOnly);
    later->setPopupMode(QToolButton::MenuButtonPopup);
    auto* laterMenu = new QMenu(later);
    laterMenu->setObjectName(QStringLiteral("laterMenu"));
    for (int minutes : kLaterChoices) {
        QAction* choice = laterMenu->addAction(tr("%1 minutes").arg(minutes));
        choice->setData(minutes);
        connect(choice, &QAction::triggered, this, [this, minutes] { OnLater(minutes); });
    }
    later->setMenu(laterMenu);
    connect(later, &QToolButton::clicked, this, [this] { OnLater(kLaterOnPlainClick); });
    later->setGeometry(du.Rect(36, 66, 55, 14));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(du.Rect(96, 66, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* remove = new QPushButton(tr("Delete"), this);
    remove->setObjectName(QStringLiteral("delete"));
    remove->setGeometry(du.Rect(151, 66, 50, 14));
    connect(remove, &QPushButton::clicked, this, &CTaskReminderDlg::OnDelete);

    // Enter means OK wherever the focus starts.
    ok->setFocus();
}

void CTaskReminderDlg::SetDate(const quill::DateTime& due) {
    m_date->setDateTime(
        QDateTime(QDate(due.year, due.month, due.day), QTime(due.hour, due.minute)));
}

void CTaskReminderDlg::SetComment(const QString& comment) {
    m_comment->setPlainText(comment);
}

void CTaskReminderDlg::SetMissed(const quill::DateTime& due) {
    const QDateTime at(QDate(due.year, due.month, due.day), QTime(due.hour, due.minute));
    m_missed->setText(tr("Missed: %1").arg(at.toString(QStringLiteral("dd.MM.yyyy HH:mm"))));
    m_missed->show();
}

void CTaskReminderDlg::OnDelete() {
    m_bDelete = true;
    reject();
}

void CTaskReminderDlg::OnLater(int minutes) {
    m_laterMinutes = minutes;
    accept();
}
