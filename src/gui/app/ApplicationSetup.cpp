#include "app/ApplicationSetup.h"

#include "views/PageScheme.h"

#include <QCoreApplication>

void PrepareBeforeApplication() {
    // The icons live in the GUI library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(quillmark);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick software"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillmark"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    RegisterPageScheme();
}
