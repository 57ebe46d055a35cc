#pragma once

#include <QString>

struct WorkingFolderChoice {
    QString folder;  // where Data/ lies, absolute; handed to everything that needs it
    QString problem; // for the user: what could not be made or copied there
};

// Chooses the working folder before anything resolves a path. A start folder
// that holds "Data" is kept; otherwise the user's folder is made and given
// the shipped page files it lacks. The process's current folder is never changed.
WorkingFolderChoice ChooseWorkingFolder(const QString& startFolder);
