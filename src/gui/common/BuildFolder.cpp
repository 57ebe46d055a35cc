#include "gui/common/BuildFolder.h"

#include <QCoreApplication>
#include <QDir>

QString BuildFolderOfProgram() {
    // The build folder is gone once the program is installed elsewhere.
    const QString buildFolder = QDir(QStringLiteral(QUILLMARK_BUILD_DIR)).canonicalPath();
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    if (!buildFolder.isEmpty() && programFolder.startsWith(buildFolder)) {
        return buildFolder;
    }
    return {};
}
