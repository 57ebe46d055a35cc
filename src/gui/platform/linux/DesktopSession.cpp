#include "gui/platform/DesktopSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
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

// The compositor's socket: WAYLAND_DISPLAY names it in the runtime folder, or
// gives its full path.
bool CanReachWayland() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        return false;
    }
    const QString path = QDir::isAbsolutePath(name)
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address{};
    if (file.size() >= qsizetype(sizeof(address.sun_path))) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, file.constData(), std::size_t(file.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool reached = socket >= 0 && ::connect(socket, reinterpret_cast<sockaddr*>(&address),
                                                  sizeof address) == 0;
    if (socket >= 0) {
        ::close(socket);
    }
    return reached;
}

// Debian ships Qt's Wayland plug-in apart from Qt (qt6-wayland).
bool HasWaylandPlugin() {
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                              .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& path : QCoreApplication::libraryPaths()) {
        folders << path + QStringLiteral("/platforms");
    }
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

quill::WindowSystemChoice WindowSystemChoiceHere(const QString& platformArgument) {
    quill::WindowSystemFacts facts;
    const bool fromArgument = !platformArgument.isEmpty();
    facts.requested =
        (fromArgument ? platformArgument : qEnvironmentVariable("QT_QPA_PLATFORM")).toStdString();
    facts.requestedFrom = fromArgument ? "-platform" : "QT_QPA_PLATFORM";
    facts.waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    facts.waylandDisplay = CanReachWayland();
    // Looked for only where Wayland could be used: it lists folders.
    facts.waylandPlugin =
        (facts.waylandSession || facts.requested.find("wayland") != std::string::npos) &&
        HasWaylandPlugin();
    facts.x11 = CanReachX11();
    return quill::ChooseWindowSystem(facts);
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
