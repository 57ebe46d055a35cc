#include "support/DesktopActivation.h"
#include "support/ModalScript.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QStandardPaths>

namespace quill::test {

namespace {
// Words apart by single spaces; a last word may hold spaces of its own.
bool Xdotool(const QString& arguments, const QString& last = {}) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments.split(QLatin1Char(' ')) +
                                              (last.isEmpty() ? QStringList() : QStringList{last}));
    return tool.waitForFinished(5000) && tool.exitCode() == 0;
}
} // namespace

DesktopActivation::~DesktopActivation() {
    m_other.kill();
    m_other.waitForFinished(2000);
}

bool DesktopActivation::Available() {
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("xmessage")).isEmpty();
}

bool DesktopActivation::ActivateOther() {
    if (m_other.state() == QProcess::NotRunning) {
        m_other.start(QStringLiteral("xmessage"),
                      QStringLiteral("-name quillmark-test-other another_program").split(' '));
        if (!m_other.waitForStarted(5000)) {
            return false;
        }
    }
    // The window needs a moment to be mapped before it can be found.
    return WaitUntil(
        [] { return Xdotool("search --classname quillmark-test-other windowactivate --sync"); },
        5000);
}

bool DesktopActivation::Activate(QWidget& window) {
    return Xdotool(QStringLiteral("windowactivate --sync %1").arg(window.winId()));
}

bool DesktopActivation::Type(const QString& text) {
    return Xdotool(QStringLiteral("type --delay 20"), text);
}

bool DesktopActivation::Click(QPoint at, int times) {
    return Xdotool(QStringLiteral("mousemove %1 %2 click --repeat %3 --delay 80 1")
                       .arg(at.x())
                       .arg(at.y())
                       .arg(times));
}

QRect DesktopActivation::ScreenGeometry(const QWidget& window) {
    QProcess info;
    info.start(QStringLiteral("xwininfo"),
               {QStringLiteral("-id"), QString::number(window.winId())});
    info.waitForFinished(5000);
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    auto value = [&](const char* label) {
        return QRegularExpression(QLatin1String(label) + ":\\s+(-?\\d+)")
            .match(text)
            .captured(1)
            .toInt();
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
            value("Height")};
}

} // namespace quill::test
