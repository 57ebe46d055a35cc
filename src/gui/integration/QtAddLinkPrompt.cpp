#include "integration/QtAddLinkPrompt.h"

#include "common/RecordText.h"
#include "links/CLinkFieldsDlg.h"

bool QtAddLinkPrompt::Ask(quill::LinkRecord& link) {
    // Unparented and on top: it comes up while the user is in the web browser,
    // whether the frame is shown or hidden in the tray.
    CAddLinkDlg dialog;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.m_address = ToShownText(link.m_address);
    dialog.m_comment = ToShownText(link.m_comment);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    link.m_address = FromEditedText(dialog.m_address, link.m_address);
    link.m_comment = FromEditedText(dialog.m_comment, link.m_comment);
    return true;
}
