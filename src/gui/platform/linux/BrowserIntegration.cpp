#include "gui/platform/BrowserIntegration.h"

#include "core/integration/HostManifestFiles.h"
#include "gui/common/Utf8View.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString LinkHostProgramPath() {
    const QString name = FromUtf8View(quill::kLinkHostProgram);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    // Installed: in the helper folder; in the build folder: beside the program.
    const QString installed = QDir::cleanPath(
        programFolder.filePath(QStringLiteral(QUILLMARK_HOST_FROM_PROGRAM "/") + name));
    return QFileInfo::exists(installed) ? installed : programFolder.filePath(name);
}

std::unique_ptr<quill::BrowserMenuEntry> CreateBrowserMenuEntry(const QString& hostProgram) {
    // The same folders the browsers look in: they honour XDG_CONFIG_HOME too.
    const QString home = qEnvironmentVariable("HOME", QDir::homePath());
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return std::make_unique<quill::HostManifestFiles>(
        quill::LinuxManifestFolders(home.toStdString(), config.toStdString()),
        hostProgram.toStdString());
}

QString IntegrationCheckText() {
    return QStringLiteral("   Add \"Add link\" button to the web browser's context menu.");
}
