#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class FrameCommands;
class QMenu;
class QTimer;

// The tray icon: a left click hides or shows the window, a right click opens
// the tray menu at the cursor. Removed when the frame goes.
class FrameTray : public QObject {
    Q_OBJECT
public:
    FrameTray(QWidget& frame, FrameCommands& commands);
    ~FrameTray() override;

    QSystemTrayIcon* Icon() const { return m_icon; }
    QMenu* Menu() const { return m_menu; }

    void OnTrayNotify(QSystemTrayIcon::ActivationReason reason);
    void Toggle();
    // A hidden window is never left out of reach: without a notification area
    // (it went away, or the desktop restarts it) the window is shown again.
    void CheckTrayPresence(bool trayAvailable);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrameCommands& m_commands;
    QSystemTrayIcon* m_icon;
    QMenu* m_menu;
    QTimer* m_presenceWatch;
};
