#pragma once

#include "core/settings/SettingsChoice.h"
#include "gui/settings/FrameSettingsOwner.h"

#include <QDialog>

class CQuillboxDoc;
class QButtonGroup;
class QCheckBox;

// "Quillmark settings": transparency level, cursor tracking, browser
// integration and the two delete-all buttons. Save applies to the frame's
// settings and the browser menu entry at once, the delete buttons act on the
// document's lists at once, Cancel (or Escape) applies nothing more.
class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    CSettingsDlg(CQuillboxDoc& document, FrameSettingsOwner& settings,
                 quill::BrowserMenuEntry& menuEntry);

    void OnSave();
    void OnDeleteAllLinks();
    void OnDeleteAllTasks();

private:
    quill::SettingsChoice ChoiceFromControls() const;

    CQuillboxDoc& m_document;
    FrameSettingsOwner& m_settings;
    quill::BrowserMenuEntry& m_menuEntry;
    QButtonGroup* m_transparence = nullptr;
    QCheckBox* m_trackingCheck = nullptr;
    QCheckBox* m_integrationCheck = nullptr;
};
