#include "gui/settings/CSettingsDlg.h"

#include "gui/common/Utf8View.h"
#include "gui/platform/BrowserIntegration.h"
#include "gui/settings/CDeleteAllLinksDlg.h"
#include "gui/settings/CDeleteAllTasksDlg.h"
#include "gui/views/CQuillboxDoc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton* Button(const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CSettingsDlg::CSettingsDlg(CQuillboxDoc& document, FrameSettingsOwner& settings,
                           quill::BrowserMenuEntry& menuEntry)
    : m_document(document), m_settings(settings), m_menuEntry(menuEntry) {
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(QStringLiteral("Quillmark settings"));
    // Opened without a parent, it would come up behind the always-on-top window.
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* transparence = new QGroupBox(QStringLiteral("Window transparence"));
    auto* radios = new QHBoxLayout;
    m_transparence = new QButtonGroup(this);
    // One radio per level, in menu order, labelled as the menu item.
    int index = 0;
    for (const quill::LevelCommand& level : quill::LevelCommands()) {
        QString label = FromUtf8View(level.item);
        label.remove(QLatin1Char('&'));
        auto* radio = new QRadioButton(label);
        radio->setObjectName(QStringLiteral("radio") + QString(label).remove(QLatin1Char('%')));
        m_transparence->addButton(radio, index++);
        radios->addWidget(radio);
    }
    m_trackingCheck =
        new QCheckBox(QStringLiteral("Change transparence tracking cursor position."));
    m_trackingCheck->setObjectName(QStringLiteral("trackingCheck"));
    auto* transparenceLayout = new QVBoxLayout(transparence);
    transparenceLayout->addLayout(radios);
    transparenceLayout->addWidget(m_trackingCheck);

    // "&&" shows a single ampersand.
    auto* lists = new QGroupBox(QStringLiteral("Links && tasks"));
    auto* deleteLinks =
        Button(QStringLiteral("Delete all links"), QStringLiteral("deleteAllLinksButton"));
    auto* deleteTasks =
        Button(QStringLiteral("Delete all tasks"), QStringLiteral("deleteAllTasksButton"));
    auto* listsLayout = new QHBoxLayout(lists);
    listsLayout->addWidget(deleteLinks);
    listsLayout->addWidget(deleteTasks);

    auto* integration = new QGroupBox(QStringLiteral("Integration"));
    m_integrationCheck = new QCheckBox(IntegrationCheckText());
    m_integrationCheck->setObjectName(QStringLiteral("integrationCheck"));
    auto* integrationLayout = new QVBoxLayout(integration);
    integrationLayout->addWidget(m_integrationCheck);

    auto* save = Button(QStringLiteral("Save"), QStringLiteral("saveButton"));
    auto* cancel = Button(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(transparence);
    layout->addWidget(lists);
    layout->addWidget(integration);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &CSettingsDlg::OnSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(deleteLinks, &QPushButton::clicked, this, &CSettingsDlg::OnDeleteAllLinks);
    connect(deleteTasks, &QPushButton::clicked, this, &CSettingsDlg::OnDeleteAllTasks);

    // What the frame holds now; a level no radio stands for selects none.
    const quill::SettingsChoice choice = quill::SettingsChoiceFrom(m_settings.Get());
    if (QAbstractButton* radio = m_transparence->button(choice.transparencyRadio)) {
        radio->setChecked(true);
    }
    m_integrationCheck->setChecked(choice.integrate);
    m_trackingCheck->setChecked(choice.trackMouse);
}

quill::SettingsChoice CSettingsDlg::ChoiceFromControls() const {
    quill::SettingsChoice choice;
    choice.transparencyRadio = m_transparence->checkedId(); // -1 when none is chosen
    choice.integrate = m_integrationCheck->isChecked();
    choice.trackMouse = m_trackingCheck->isChecked();
    return choice;
}

void CSettingsDlg::OnSave() {
    m_settings.Change([this](quill::FrameSettings& settings) {
        quill::SaveSettingsChoice(ChoiceFromControls(), settings, m_menuEntry);
    });
    accept();
}

void CSettingsDlg::OnDeleteAllLinks() {
    CDeleteAllLinksDlg question(this);
    if (quill::DeleteAllLinks(m_document.Store(), question)) {
        m_document.UpdateAllViews();
    }
}

void CSettingsDlg::OnDeleteAllTasks() {
    CDeleteAllTasksDlg question(this);
    if (quill::DeleteAllTasks(m_document.Store(), question)) {
        m_document.UpdateAllViews();
    }
}
