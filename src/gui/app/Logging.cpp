#include "gui/app/Logging.h"

#include "core/files/Log.h"
#include "gui/common/LogCategories.h"

#include <QString>
#include <cstdio>

Q_LOGGING_CATEGORY(lcGui, "quillmark.gui", QtInfoMsg)

namespace {

const QLoggingCategory& CategoryOf(quill::LogArea area) {
    switch (area) {
    case quill::LogArea::Files:
        return lcFiles();
    case quill::LogArea::HandOver:
        return lcHandOver();
    case quill::LogArea::Lock:
        return lcLock();
    case quill::LogArea::Reminders:
        return lcReminders();
    }
    return lcGui();
}

class CategorySink : public quill::LogSink {
public:
    void Write(quill::LogArea area, quill::LogLevel level, std::string_view message) override {
        const QLoggingCategory& category = CategoryOf(area);
        const QString text =
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
        if (level == quill::LogLevel::Warning) {
            qCWarning(category).noquote() << text;
        } else {
            qCDebug(category).noquote() << text;
        }
    }
};

QtMessageHandler g_nextHandler = nullptr;

// What the web engine and the window system's GL support say at every start
// of a program that draws its pages in software: nothing the user can act on.
bool IsStartupChatter(const QString& message) {
    for (const char* known :
         {"QXcbIntegration: Cannot create platform OpenGL context",
          "No suitable graphics backend found", "Sandboxing disabled by user"}) {
        if (message.startsWith(QLatin1String(known))) {
            return true;
        }
    }
    return false;
}

void DropStartupChatter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg && IsStartupChatter(message)) {
        return;
    }
    if (g_nextHandler != nullptr) {
        g_nextHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

void ChooseLoggingDefaults(bool verbose) {
    static CategorySink sink;
    quill::SetLogSink(&sink);
    // Rules in QT_LOGGING_RULES take precedence over these.
    if (verbose) {
        QLoggingCategory::setFilterRules(QStringLiteral("quillmark.*.debug=true"));
        return;
    }
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level")) {
        // Chromium's own log: fatal errors only.
        flags += flags.isEmpty() ? "--log-level=3" : " --log-level=3";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
        // On Wayland the program has said once what the window cannot do
        // there; Qt would repeat it at each attempt.
        QLoggingCategory::setFilterRules(
            QStringLiteral("qt.webenginecontext.info=false\nqt.qpa.wayland.warning=false"));
        g_nextHandler = qInstallMessageHandler(DropStartupChatter);
    }
}
