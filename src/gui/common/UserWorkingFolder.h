#pragma once

#include <QString>

// $XDG_DATA_HOME/Quillmark, the working folder of a start outside a folder
// that holds Data.
QString UserWorkingFolderPath();
