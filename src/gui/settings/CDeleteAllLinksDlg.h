#pragma once

#include "core/commands/DeleteAll.h"
#include "gui/common/CConfirmDeleteDlg.h"

class CDeleteAllLinksDlg : public CConfirmDeleteDlg, public quill::YesNoQuestion {
    Q_OBJECT
public:
    explicit CDeleteAllLinksDlg(QWidget* parent = nullptr)
        : CConfirmDeleteDlg(parent, QStringLiteral("deleteAllLinksDialog"),
                            QStringLiteral("Delete all links"),
                            QStringLiteral("Are you sure to delete all links?"), 110) {}

    bool AskYes() override { return exec() == QDialog::Accepted; }
};
