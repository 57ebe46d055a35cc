#pragma once

#include "core/frame/TrayFallback.h"

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <memory>
#include <optional>

class FrameCommands;
class StatusNotifier;
class QAction;
class QMenu;
class QMessageBox;
class QTimer;
class QToolButton;
namespace quill {
class Profile;
}

// The tray icon and its menu, which the tray shows (a right click on an
// embedded icon, the host's own menu for a status notifier item); a left click
// hides or shows the window. Where a status notifier host exists the icon is
// the program's own item, which follows a host that comes or goes at any
// time; otherwise Qt's embedded icon, which docks in a tray that comes later. Without a
// notification area the window is an ordinary one: hiding minimises it, and the same menu drops
// down from a button in the window. Removed when the frame goes.
class FrameTray : public QObject {
    Q_OBJECT
public:
    // workingFolder: where "Start at login" starts the program.
    FrameTray(QWidget& frame, FrameCommands& commands, quill::Profile& profile,
              const QString& workingFolder);
    ~FrameTray() override;

    // Qt's embedded icon; none while a status notifier host was there from the start.
    QSystemTrayIcon* Icon() const { return m_icon; }
    QMenu* Menu() const { return m_menu; }
    // The tray menu's commands in the window, shown while there is no tray.
    QToolButton* MenuButton() const { return m_menuButton; }
    // True while a notification area exists: tool window, hidden into the tray.
    bool TrayMode() const { return m_trayMode; }

    void OnTrayNotify(QSystemTrayIcon::ActivationReason reason);
    void Toggle();
    // A new reading of the notification area. It may come and go at any time
    // (a panel starting after the program, or restarting).
    void CheckTrayPresence(bool trayAvailable);
    // The frame's show, hide and minimise: the tray's presence is watched
    // while the window could not be reached without it.
    void OnFrameEvent(const QEvent& event);

signals:
    // The window should become a tool window off the taskbar (true) or an
    // ordinary one the desktop lists (false).
    void TrayModeChanged(bool trayMode);

private:
    QMenu* BuildMenu(QAction* startAtLogin, QWidget* parent);
    quill::TrayPath CurrentPath();
    QSystemTrayIcon& EmbeddedIcon();
    void ShowIconOn(quill::TrayPath path);
    void ReadPresence();
    void UpdateWatch();
    void TellHowToGetATray();

    QWidget& m_frame;
    FrameCommands& m_commands;
    quill::Profile& m_profile;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    std::unique_ptr<StatusNotifier> m_notifier;
    bool m_iconsShown = false; // after the window's first picture
    std::optional<quill::TrayPath> m_path;
    QToolButton* m_menuButton = nullptr;
    QPointer<QMessageBox> m_hint; // while open
    QTimer* m_presenceWatch;
    QTimer* m_lossGrace;
    quill::TrayFallback m_fallback;
    bool m_trayMode = true;
};
