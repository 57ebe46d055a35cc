#pragma once

#include "settings/SettingsChoice.h"

#include <QDialog>

// A small question with an icon, "Yes" (the default) and "No" (as Cancel).
class CYesNoDlg : public QDialog, public quill::YesNoQuestion {
    Q_OBJECT
public:
    CYesNoDlg(const QString& caption, const QString& question, QWidget* parent = nullptr);

    // Runs the dialog; true on "Yes".
    bool AskYes() override;
};
