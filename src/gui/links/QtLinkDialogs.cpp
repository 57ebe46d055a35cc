#include "gui/links/QtLinkDialogs.h"

#include "gui/common/RecordText.h"
#include "gui/links/CDeleteLinkDlg.h"
#include "gui/links/CLinkFieldsDlg.h"

namespace {

std::optional<quill::LinkRecord> Run(CLinkFieldsDlg& dialog, const quill::LinkRecord& shown) {
    dialog.m_address = ToShownText(shown.m_address);
    dialog.m_comment = ToShownText(shown.m_comment);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return quill::LinkRecord{FromEditedText(dialog.m_address, shown.m_address),
                             FromEditedText(dialog.m_comment, shown.m_comment)};
}

} // namespace

std::optional<quill::LinkRecord> QtLinkDialogs::AskNewLink(const quill::LinkRecord& initial) {
    CAddLinkDlg dialog(m_parent);
    return Run(dialog, initial);
}

std::optional<quill::LinkRecord> QtLinkDialogs::AskEditedLink(const quill::LinkRecord& link) {
    CEditLinkDlg dialog(m_parent);
    return Run(dialog, link);
}

bool QtLinkDialogs::ConfirmDeleteLink() {
    CDeleteLinkDlg dialog(m_parent);
    return dialog.exec() == QDialog::Accepted;
}
