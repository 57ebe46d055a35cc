#pragma once

#include <QString>

// The build folder when the program runs from it (the tests run from a folder
// below), where files of the build and source trees stand in for what is
// installed beside the program; empty otherwise, as once it is installed.
QString BuildFolderOfProgram();
