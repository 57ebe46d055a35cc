#include "integration/QtAddLinkPrompt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

bool QtAddLinkPrompt::Ask(quill::LinkRecord& link) {
    QDialog dialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
    dialog.setObjectName(QStringLiteral("addLinkDialog"));
    dialog.setWindowTitle(QStringLiteral("Add new link"));
    auto* address = new QLineEdit(QString::fromStdString(link.m_address));
    address->setObjectName(QStringLiteral("addressEdit"));
    auto* comment = new QLineEdit(QString::fromStdString(link.m_comment));
    comment->setObjectName(QStringLiteral("commentEdit"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Link:"), address);
    form->addRow(QStringLiteral("Link comment:"), comment);
    form->addRow(buttons);
    dialog.resize(420, dialog.sizeHint().height());
    dialog.raise();
    dialog.activateWindow();
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    link.m_address = address->text().toStdString();
    link.m_comment = comment->text().toStdString();
    return true;
}
