#include "app/ApplicationSetup.h"

#include "views/PageScheme.h"

#include <QCoreApplication>

void PrepareBeforeApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick software"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillmark"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    RegisterPageScheme();
}
