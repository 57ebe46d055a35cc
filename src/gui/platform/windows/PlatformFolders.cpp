#include "PlatformFolders.h"

#include <QString>
#include <windows.h>

std::string WindowsFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return QString::fromWCharArray(buffer, static_cast<int>(length)).toStdString();
}
