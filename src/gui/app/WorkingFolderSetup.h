#pragma once

#include <QString>

// Chooses the working folder before anything resolves a path. A current folder
// that holds "Data" stays as it is; otherwise the user's folder is made, given
// the shipped page files it lacks and made current. Returns a message for the
// user naming what could not be made or copied there.
QString EnterWorkingFolder();
