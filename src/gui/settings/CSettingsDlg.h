#pragma once

#include "settings/SettingsChoice.h"

#include <QDialog>

class CMainFrame;
class QButtonGroup;
class QCheckBox;

// "Quillmark settings": transparency level, cursor tracking, browser
// integration and the two delete-all buttons. It changes the frame itself:
// Save applies to the frame and the browser menu entry at once, the delete
// buttons act at once, Cancel (or Escape) applies nothing more.
class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    CSettingsDlg(CMainFrame& frame, quill::BrowserMenuEntry& menuEntry);

    void OnSave();
    void OnDeleteAllLinks();
    void OnDeleteAllTasks();

private:
    quill::SettingsChoice ChoiceFromControls() const;
    void UpdateViews();

    CMainFrame& m_frame;
    quill::BrowserMenuEntry& m_menuEntry;
    QButtonGroup* m_transparence = nullptr;
    QCheckBox* m_trackingCheck = nullptr;
    QCheckBox* m_integrationCheck = nullptr;
};
