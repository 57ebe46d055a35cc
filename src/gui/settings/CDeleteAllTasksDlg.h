#pragma once

#include "core/commands/DeleteAll.h"
#include "gui/common/CConfirmDeleteDlg.h"

class CDeleteAllTasksDlg : public CConfirmDeleteDlg, public quill::YesNoQuestion {
    Q_OBJECT
public:
    explicit CDeleteAllTasksDlg(QWidget* parent = nullptr)
        : CConfirmDeleteDlg(parent, QStringLiteral("deleteAllTasksDialog"),
                            QStringLiteral("Delete all tasks"),
                            QStringLiteral("Are you sure to delete all tasks?"), 110) {}

    bool AskYes() override { return exec() == QDialog::Accepted; }
};
