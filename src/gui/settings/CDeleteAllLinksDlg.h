#pragma once

#include "settings/CYesNoDlg.h"

class CDeleteAllLinksDlg : public CYesNoDlg {
    Q_OBJECT
public:
    explicit CDeleteAllLinksDlg(QWidget* parent = nullptr)
        : CYesNoDlg(QStringLiteral("Delete all links"),
                    QStringLiteral("Are you sure to delete all links?"), parent) {
        setObjectName(QStringLiteral("deleteAllLinksDialog"));
    }
};
