#include "app/ApplicationSetup.h"

#include <QCoreApplication>

void PrepareBeforeApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick software"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillmark"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Staying on top, opacity and the cursor over the caption need X11: in a
    // Wayland session with XWayland, run on X11 unless the user chose otherwise.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}
