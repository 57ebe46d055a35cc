#include "gui/integration/QtAddLinkPrompt.h"

#include "gui/common/RecordText.h"
#include "gui/links/CLinkFieldsDlg.h"

quill::AddLinkPrompt::Answer QtAddLinkPrompt::Ask(quill::LinkRecord& link) {
    // Unparented and on top: it comes up while the user is in the web browser,
    // whether the frame is shown or hidden in the tray.
    CAddLinkDlg dialog;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.m_address = ToShownText(link.m_address);
    dialog.m_comment = ToShownText(link.m_comment);
    // Quitting closes every window, this one as if Cancel was pressed: a
    // dialog ended with the program (SIGTERM at logout) is no answer, and
    // the link stays pending.
    if (dialog.exec() != QDialog::Accepted) {
        return m_programEnding() ? Answer::Interrupted : Answer::Cancel;
    }
    link.m_address = FromEditedText(dialog.m_address, link.m_address);
    link.m_comment = FromEditedText(dialog.m_comment, link.m_comment);
    return Answer::Ok;
}
