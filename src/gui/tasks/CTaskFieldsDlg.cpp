#include "gui/tasks/CTaskFieldsDlg.h"

#include "gui/common/CommentEdit.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>

CTaskFieldsDlg::CTaskFieldsDlg(QWidget* parent, const QString& objectName, const QString& caption,
                               const QIcon& icon)
    : TemplateDialog(parent, objectName, caption, 208, 86) {
    m_dateTimeCtrl = Place(new QDateTimeEdit(this), 78, 7, 125, 12);
    m_dateTimeCtrl->setObjectName(QStringLiteral("dateTimeCtrl"));
    m_dateTimeCtrl->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
    m_dateTimeCtrl->setCalendarPopup(true);
    m_dateTimeCtrl->installEventFilter(this);
    // Sized to its content, as far as the comment box below allows.
    const int pickerHeight = std::min(m_dateTimeCtrl->sizeHint().height(), Units().Y(16));
    m_dateTimeCtrl->resize(m_dateTimeCtrl->width(),
                           std::max(m_dateTimeCtrl->height(), pickerHeight));
    m_commentEdit = Place(new CommentEdit(this), 78, 24, 126, 58);
    m_commentEdit->setObjectName(QStringLiteral("commentEdit"));
    QPushButton* ok = AddButton(QStringLiteral("okButton"), tr("OK"), 23, 48, true);
    AddButton(QStringLiteral("cancelButton"), tr("Cancel"), 23, 66, false);
    AddIcon(icon);
    AddLabel(tr("Task date:"), 25, 9, 35, 8);
    AddLabel(tr("Task comment:"), 25, 27, 50, 8);
    connect(m_commentEdit, &CommentEdit::Submitted, ok, &QPushButton::click);
    connect(this, &QDialog::accepted, this, [this] { m_comment = m_commentEdit->toPlainText(); });
}

bool CTaskFieldsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_dateTimeCtrl || event->type() != QEvent::KeyPress) {
        return TemplateDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // The picker would walk its day, month, year, hour and minute instead.
        focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_commentEdit->toPlainText().trimmed().isEmpty()) {
            m_commentEdit->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    default:
        return false;
    }
}

int CTaskFieldsDlg::exec() {
    m_commentEdit->setPlainText(m_comment);
    m_dateTimeCtrl->setFocus();
    return TemplateDialog::exec();
}

CAddTaskDlg::CAddTaskDlg(QWidget* parent)
    : CTaskFieldsDlg(parent, QStringLiteral("addTaskDialog"), tr("Add new task"),
                     QApplication::windowIcon()) {}

CEditTaskDlg::CEditTaskDlg(QWidget* parent)
    : CTaskFieldsDlg(parent, QStringLiteral("editTaskDialog"), tr("Edit task"),
                     QIcon(QStringLiteral(":/icons/edit.png"))) {}
