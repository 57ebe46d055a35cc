#include "gui/app/ApplicationSetup.h"

#include <QCoreApplication>

void NameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick software"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillmark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
}

void PrepareBeforeApplication() {
    // The icons live in the GUI library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(quillmark);
    NameApplication();
    // The web engine comes later, from the page plug-in; it needs this set
    // before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The pages are drawn in software: no GL for the window system either,
    // which keeps its libraries out of memory. Set otherwise from outside if wanted.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    }
}
