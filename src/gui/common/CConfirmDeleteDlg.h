#pragma once

#include "gui/common/TemplateDialog.h"

// "Are you sure ...?" with "Yes" (default, accepts) and "No" (rejects).
class CConfirmDeleteDlg : public TemplateDialog {
    Q_OBJECT
public:
    CConfirmDeleteDlg(QWidget* parent, const QString& objectName, const QString& caption,
                      const QString& question, int questionWidth);
};
