#pragma once

#include <QString>

// $XDG_DATA_HOME/Quillmark, the working folder of a start outside a folder
// that holds Data.
QString UserWorkingFolderPath();

// Chooses the working folder before anything resolves a path. A current folder
// that holds "Data" stays as it is; otherwise the user's folder is made, given
// the shipped page files it lacks and made current. Returns a message for the
// user naming what could not be made or copied there.
QString EnterWorkingFolder();
