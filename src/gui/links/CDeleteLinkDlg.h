#pragma once

#include "gui/common/CConfirmDeleteDlg.h"

class CDeleteLinkDlg : public CConfirmDeleteDlg {
    Q_OBJECT
public:
    explicit CDeleteLinkDlg(QWidget* parent = nullptr)
        : CConfirmDeleteDlg(parent, QStringLiteral("deleteLinkDialog"), tr("Delete link"),
                            tr("Are you sure to delete this link?"), 99) {}
};
