#include "DesktopSession.h"

#include <unistd.h>
#include <xcb/xcb.h>

namespace {

bool CanReachX11() {
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

bool HasWayland() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

bool DesktopSessionAvailable() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty()) {
        return CanReachX11() || HasWayland();
    }
    if (platform.startsWith(QLatin1String("xcb"))) {
        return CanReachX11();
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        return HasWayland();
    }
    return true; // offscreen, vnc and the like bring their own
}

QString SessionUserId() {
    return QString::number(::getuid());
}

QString SessionDisplay() {
    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("wayland")) ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("none"));
    }
    return qEnvironmentVariable("DISPLAY");
}
