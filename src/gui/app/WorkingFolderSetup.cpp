#include "gui/app/WorkingFolderSetup.h"

#include "core/app/WorkingFolder.h"
#include "gui/app/Logging.h"
#include "gui/common/BuildFolder.h"
#include "gui/common/UserWorkingFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The page files: from the installation's share folder, or from the source
// tree when the program runs from its build folder.
std::string ShippedData() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    std::vector<std::string> candidates{
        QDir::cleanPath(programFolder + QStringLiteral("/" QUILLMARK_DATA_FROM_PROGRAM))
            .toStdString()};
    if (!BuildFolderOfProgram().isEmpty()) {
        candidates.push_back(QUILLMARK_SOURCE_DATA_DIR);
    }
    return quill::FindShippedData(candidates);
}

} // namespace

WorkingFolderChoice ChooseWorkingFolder(const QString& startFolder) {
    const QString start = QDir(startFolder).absolutePath();
    if (quill::HoldsDataFolder(start.toStdString())) {
        qCDebug(lcGui) << "working folder" << start;
        return {start, {}};
    }
    const QString folder = UserWorkingFolderPath();
    const std::string shipped = ShippedData();
    if (shipped.empty()) {
        qCWarning(lcGui) << "the page files were not found; the pages show without their images";
    }
    const quill::PreparedFolder prepared =
        quill::PrepareWorkingFolder(folder.toStdString(), shipped);
    // A page file that could not be copied only costs its image; without Data
    // the program works where it was started. Named without symbolic links,
    // as the system names a current folder.
    WorkingFolderChoice choice{
        quill::HoldsDataFolder(folder.toStdString()) ? QDir(folder).canonicalPath() : start, {}};
    qCDebug(lcGui) << "working folder" << choice.folder << "page files from" << shipped.c_str();
    if (!prepared.ok) {
        choice.problem = QCoreApplication::translate("Quillmark", "Quillmark could not prepare its "
                                                                  "data folder. This could not be "
                                                                  "written:\n%1")
                             .arg(QString::fromStdString(prepared.failedPath));
    }
    return choice;
}
