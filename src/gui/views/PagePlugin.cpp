#include "gui/views/PagePlugin.h"

#include "gui/common/BuildFolder.h"
#include "gui/platform/EngineReadAhead.h"
#include "gui/views/PageEngine.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Installed: in the helper folder. From the build folder, the program and the
// plug-in lie side by side, and the tests run from a folder below.
QString FileBesideProgram() {
    const QString name = QStringLiteral(QUILLMARK_PAGES_FILE);
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList candidates{QDir::cleanPath(programFolder +
                                           QStringLiteral("/" QUILLMARK_PAGES_FROM_PROGRAM "/") +
                                           name),
                           programFolder + QLatin1Char('/') + name};
    if (const QString buildFolder = BuildFolderOfProgram(); !buildFolder.isEmpty()) {
        candidates << buildFolder + QLatin1Char('/') + name;
    }
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
    return candidates.front();
}

} // namespace

PagePlugin::PagePlugin() = default;

PagePlugin::~PagePlugin() = default;

void PagePlugin::ReadAhead() {
    if (m_tried.isEmpty() && !m_readAhead) {
        m_readAhead = std::make_unique<EngineReadAhead>(File());
    }
}

QString PagePlugin::File() const {
    return m_chosenFile.isEmpty() ? FileBesideProgram() : m_chosenFile;
}

const PagePlugin::Result& PagePlugin::Loaded() {
    const QString file = File();
    if (auto tried = m_tried.constFind(file); tried != m_tried.constEnd()) {
        return *tried;
    }
    QPluginLoader loader(file);
    if (auto* engine = qobject_cast<PageEngine*>(loader.instance())) {
        return *m_tried.insert(file, {engine, {}});
    }
    QString reason = loader.isLoaded()
                         ? QCoreApplication::translate("Quillmark", "not a page plug-in")
                         : loader.errorString();
    if (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1); // it goes in brackets inside a sentence
    }
    const QString problem =
        QCoreApplication::translate("Quillmark",
                                    "The pages cannot be shown: %1 could not be loaded (%2).")
            .arg(QDir::toNativeSeparators(file), reason);
    qWarning().noquote() << problem;
    return *m_tried.insert(file, {nullptr, problem});
}
