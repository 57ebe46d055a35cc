#pragma once

#include "support/ModalScript.h"

#include <QGuiApplication>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>

namespace quill::test {

// Moves the desktop's focus between the program under test and another
// program's window, as a user clicking between windows would (X11 only).
class DesktopActivation {
public:
    ~DesktopActivation() {
        m_other.kill();
        m_other.waitForFinished(2000);
    }

    static bool Available() {
        return QGuiApplication::platformName() == QLatin1String("xcb") &&
               !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("xmessage")).isEmpty();
    }
    // Activates another program's window; the program under test goes inactive.
    bool ActivateOther() {
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
    // Activates the given window of the program under test.
    static bool Activate(QWidget& window) {
        return Xdotool(QStringLiteral("windowactivate --sync %1").arg(window.winId()));
    }
    // Real keystrokes and clicks, to whatever window the desktop gives them.
    static bool Type(const QString& text) {
        return Xdotool(QStringLiteral("type --delay 20"), text);
    }
    static bool Click(QPoint at, int times = 1) {
        return Xdotool(QString::asprintf("mousemove %d %d click --repeat %d --delay 80 1", at.x(),
                                         at.y(), times));
    }
    // Drags with the first button held, as a hand moves a window by its caption.
    static bool Drag(QPoint from, QPoint to) {
        const QPoint half = (from + to) / 2;
        return Xdotool(QString::asprintf("mousemove %d %d mousedown 1 sleep 0.2 mousemove %d %d "
                                         "sleep 0.2 mousemove %d %d sleep 0.2 mouseup 1",
                                         from.x(), from.y(), half.x(), half.y(), to.x(), to.y()));
    }
    // Maps the window as a window manager would, behind the program's back.
    static bool MapFromOutside(const QWidget& window) {
        return Xdotool(QStringLiteral("windowmap %1").arg(window.winId()));
    }
    static bool Viewable(const QWidget& window) {
        return XwinInfo(window).contains(QLatin1String("IsViewable"));
    }
    // Where the window really is; Qt's own idea may lag behind the window manager's.
    static QRect ScreenGeometry(const QWidget& window) {
        const QString text = XwinInfo(window);
        auto value = [&](const char* label) {
            const QRegularExpression number(label + QStringLiteral(":\\s+(-?\\d+)"));
            return number.match(text).captured(1).toInt();
        };
        return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
                value("Height")};
    }

private:
    static QString XwinInfo(const QWidget& window) {
        QProcess info;
        info.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-id"), QString::number(window.winId())});
        info.waitForFinished(5000);
        return QString::fromLocal8Bit(info.readAllStandardOutput());
    }
    // Words apart by single spaces; a last word may hold spaces of its own.
    static bool Xdotool(const QString& arguments, const QString& last = {}) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"),
                   arguments.split(QLatin1Char(' ')) +
                       (last.isEmpty() ? QStringList() : QStringList{last}));
        return tool.waitForFinished(5000) && tool.exitCode() == 0;
    }

    QProcess m_other;
};

} // namespace quill::test
