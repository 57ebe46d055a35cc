#include "integration/QtAddLinkPrompt.h"

#include "common/RecordText.h"
#include "links/CLinkFieldsDlg.h"

quill::AddLinkPrompt::Answer QtAddLinkPrompt::Ask(quill::LinkRecord& link) {
    // Unparented and on top: it comes up while the user is in the web browser,
    // whether the frame is shown or hidden in the tray.
    CAddLinkDlg dialog;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.m_address = ToShownText(link.m_address);
    dialog.m_comment = ToShownText(link.m_comment);
    // The program ending (SIGTERM at logout) leaves exec() without either
    // signal: that is no answer, and the link stays pending.
    bool declined = false;
    QObject::connect(&dialog, &QDialog::rejected, [&declined] { declined = true; });
    if (dialog.exec() != QDialog::Accepted) {
        return declined ? Answer::Cancel : Answer::Interrupted;
    }
    link.m_address = FromEditedText(dialog.m_address, link.m_address);
    link.m_comment = FromEditedText(dialog.m_comment, link.m_comment);
    return Answer::Ok;
}
