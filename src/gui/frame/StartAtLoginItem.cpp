#include "gui/frame/StartAtLoginItem.h"

#include "core/app/Autostart.h"
#include "gui/common/UserMessages.h"
#include "gui/common/UserWorkingFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>

StartAtLoginItem::StartAtLoginItem(QWidget& parentWindow, const QString& workingFolder,
                                   QObject* parent)
    : QObject(parent), m_parentWindow(parentWindow), m_workingFolder(workingFolder),
      m_path(QString::fromStdString(
          quill::AutostartFilePath(qEnvironmentVariable("HOME", QDir::homePath()).toStdString(),
                                   qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()))),
      m_action(new QAction(tr("Start at login"), this)) {
    m_action->setObjectName(QStringLiteral("startAtLoginAction"));
    m_action->setCheckable(true);
    connect(m_action, &QAction::triggered, this, &StartAtLoginItem::OnTriggered);
    Update();
}

void StartAtLoginItem::Update() {
    m_action->setChecked(quill::IsAutostartOn(m_path.toStdString()));
}

void StartAtLoginItem::OnTriggered(bool on) {
    // A portable copy starts in its own folder; otherwise the program finds
    // the user's folder by itself.
    const QString folder =
        QDir(m_workingFolder) == QDir(UserWorkingFolderPath()) ? QString() : m_workingFolder;
    const std::string text = quill::AutostartEntryText(
        QCoreApplication::applicationFilePath().toStdString(), folder.toStdString());
    if (!quill::SetAutostart(m_path.toStdString(), on, text)) {
        ShowWarning(&m_parentWindow,
                    tr("The start at login could not be changed. This file could not be %1:\n%2")
                        .arg(on ? tr("written") : tr("removed"), m_path));
    }
    Update();
}
