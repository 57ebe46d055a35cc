#include "gui/links/CLinkFieldsDlg.h"

#include "gui/common/CommentEdit.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

CLinkFieldsDlg::CLinkFieldsDlg(QWidget* parent, const QString& objectName, const QString& caption,
                               int width, int editX, const QIcon& icon)
    : TemplateDialog(parent, objectName, caption, width, 86) {
    m_addressEdit = Place(new QLineEdit(this), editX, 5, 126, 14);
    m_addressEdit->setObjectName(QStringLiteral("addressEdit"));
    // Qt's default of 32,767 characters would cut a long handed-over address
    // without a word; the link host takes messages of up to 64 KiB.
    m_addressEdit->setMaxLength(1 << 20);
    m_commentEdit = Place(new CommentEdit(this), editX, 24, 126, 58);
    m_commentEdit->setObjectName(QStringLiteral("commentEdit"));
    QPushButton* ok = AddButton(QStringLiteral("okButton"), tr("OK"), 23, 48, true);
    AddButton(QStringLiteral("cancelButton"), tr("Cancel"), 23, 66, false);
    AddIcon(icon);
    AddLabel(tr("Link:"), 27, 9, 16, 8);
    AddLabel(tr("Link comment:"), 27, 27, 47, 8);
    connect(m_commentEdit, &CommentEdit::Submitted, ok, &QPushButton::click);
    connect(this, &QDialog::accepted, this, [this] {
        m_address = m_addressEdit->text();
        m_comment = m_commentEdit->toPlainText();
    });
}

int CLinkFieldsDlg::exec() {
    m_addressEdit->setText(m_address);
    m_commentEdit->setPlainText(m_comment);
    m_addressEdit->setFocus();
    return TemplateDialog::exec();
}

CAddLinkDlg::CAddLinkDlg(QWidget* parent)
    : CLinkFieldsDlg(parent, QStringLiteral("addLinkDialog"), tr("Add new link"), 208, 78,
                     QApplication::windowIcon()) {}

CEditLinkDlg::CEditLinkDlg(QWidget* parent)
    : CLinkFieldsDlg(parent, QStringLiteral("editLinkDialog"), tr("Edit link"), 207, 77,
                     QIcon(QStringLiteral(":/icons/edit.png"))) {}
