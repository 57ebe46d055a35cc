#include "gui/common/UserWorkingFolder.h"

#include "core/app/WorkingFolder.h"

#include <QDir>

QString UserWorkingFolderPath() {
    return QString::fromStdString(
        quill::UserWorkingFolder(qEnvironmentVariable("HOME", QDir::homePath()).toStdString(),
                                 qEnvironmentVariable("XDG_DATA_HOME").toStdString()));
}
