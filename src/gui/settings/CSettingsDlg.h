#pragma once

#include "settings/SettingsChoice.h"

#include <QDialog>
#include <string>

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
    // The browser menu entry and the page it points at.
    struct BrowserSwitch {
        quill::BrowserMenuEntry& menuEntry;
        std::string extensionPage;
    };

    CSettingsDlg(CQuillboxDoc& document, quill::FrameSettings& settings,
                 BrowserSwitch browserSwitch);

    void OnSave();
    void OnDeleteAllLinks();
    void OnDeleteAllTasks();

private:
    quill::SettingsChoice ChoiceFromControls() const;

    CQuillboxDoc& m_document;
    quill::FrameSettings& m_settings;
    BrowserSwitch m_browserSwitch;
    QButtonGroup* m_transparence = nullptr;
    QCheckBox* m_trackingCheck = nullptr;
    QCheckBox* m_integrationCheck = nullptr;
};
