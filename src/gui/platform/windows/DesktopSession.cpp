#include "DesktopSession.h"

#include <windows.h>

bool DesktopSessionAvailable() {
    return true;
}

QString SessionUserId() {
    return qEnvironmentVariable("USERNAME");
}

QString SessionDisplay() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QString::number(session);
}
