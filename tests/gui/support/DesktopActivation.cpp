#include "support/DesktopActivation.h"
#include "support/ModalScript.h"

#include <QGuiApplication>
#include <QStandardPaths>

namespace quill::test {

namespace {
bool RunTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    return tool.waitForFinished(5000) && tool.exitCode() == 0;
}
} // namespace

DesktopActivation::DesktopActivation() = default;

DesktopActivation::~DesktopActivation() {
    if (m_other.state() != QProcess::NotRunning) {
        m_other.kill();
        m_other.waitForFinished(2000);
    }
}

bool DesktopActivation::Available() {
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("xmessage")).isEmpty();
}

bool DesktopActivation::ActivateOther() {
    if (m_other.state() == QProcess::NotRunning) {
        m_other.start(QStringLiteral("xmessage"),
                      {QStringLiteral("-name"), QStringLiteral("quillmark-test-other"),
                       QStringLiteral("another program")});
        if (!m_other.waitForStarted(5000)) {
            return false;
        }
    }
    // The window needs a moment to be mapped before it can be found.
    return WaitUntil(
        [] {
            return RunTool({QStringLiteral("search"), QStringLiteral("--classname"),
                            QStringLiteral("quillmark-test-other"),
                            QStringLiteral("windowactivate"), QStringLiteral("--sync")});
        },
        5000);
}

bool DesktopActivation::Activate(QWidget& window) {
    return RunTool({QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                    QString::number(window.winId())});
}

bool DesktopActivation::Type(const QString& text) {
    return RunTool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

bool DesktopActivation::Click(QPoint at, int times) {
    return RunTool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
                    QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
}

} // namespace quill::test
