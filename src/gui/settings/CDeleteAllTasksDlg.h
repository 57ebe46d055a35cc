#pragma once

#include "settings/CYesNoDlg.h"

class CDeleteAllTasksDlg : public CYesNoDlg {
    Q_OBJECT
public:
    explicit CDeleteAllTasksDlg(QWidget* parent = nullptr)
        : CYesNoDlg(QStringLiteral("Delete all tasks"),
                    QStringLiteral("Are you sure to delete all tasks?"), parent) {
        setObjectName(QStringLiteral("deleteAllTasksDialog"));
    }
};
