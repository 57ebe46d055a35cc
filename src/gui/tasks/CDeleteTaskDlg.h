#pragma once

#include "gui/common/CConfirmDeleteDlg.h"

class CDeleteTaskDlg : public CConfirmDeleteDlg {
    Q_OBJECT
public:
    explicit CDeleteTaskDlg(QWidget* parent = nullptr)
        : CConfirmDeleteDlg(parent, QStringLiteral("deleteTaskDialog"), tr("Delete task"),
                            tr("Are you sure to delete this task?"), 102) {}
};
