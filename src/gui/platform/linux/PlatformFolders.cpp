#include "PlatformFolders.h"

std::string WindowsFolder() {
    return {};
}
