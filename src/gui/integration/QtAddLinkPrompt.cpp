#include "integration/QtAddLinkPrompt.h"

#include "links/CLinkFieldsDlg.h"

bool QtAddLinkPrompt::Ask(quill::LinkRecord& link) {
    // Unparented and on top: it comes up while the user is in the web browser,
    // whether the frame is shown or hidden in the tray.
    CAddLinkDlg dialog;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.m_address = QString::fromStdString(link.m_address);
    dialog.m_comment = QString::fromStdString(link.m_comment);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    link.m_address = dialog.m_address.toStdString();
    link.m_comment = dialog.m_comment.toStdString();
    return true;
}
