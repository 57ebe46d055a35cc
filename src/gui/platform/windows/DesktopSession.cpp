#include "DesktopSession.h"

#include <windows.h>

quill::WindowSystemChoice WindowSystemChoiceHere(const QString&) {
    return {}; // Windows has one window system, always there
}

QString SessionUserId() {
    return qEnvironmentVariable("USERNAME");
}

QString SessionDisplay() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QString::number(session);
}
