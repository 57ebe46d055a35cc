#include "app/Logging.h"

Q_LOGGING_CATEGORY(lcGui, "quillmark.gui", QtInfoMsg)

void ChooseLoggingDefaults(bool verbose) {
    if (verbose) {
        if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
            qputenv("QT_LOGGING_RULES", "quillmark.*.debug=true");
        }
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
        qputenv("QT_LOGGING_RULES", "qt.webenginecontext.info=false;qt.qpa.gl=false;"
                                    "qt.glx=false;qt.qpa.xcb.glx=false");
    }
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level")) {
        // Chromium's own log: fatal errors only.
        flags += flags.isEmpty() ? "--log-level=3" : " --log-level=3";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
}
