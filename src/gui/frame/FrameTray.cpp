#include "gui/frame/FrameTray.h"

#include "core/frame/CommandTable.h"
#include "core/settings/ProfileValues.h"
#include "gui/common/AfterFirstPaint.h"
#include "gui/common/UserMessages.h"
#include "gui/frame/FrameCommands.h"
#include "gui/frame/StartAtLoginItem.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#ifndef Q_OS_WIN
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#endif

FrameTray::FrameTray(QWidget& frame, FrameCommands& commands, quill::Profile& profile,
                     const QString& workingFolder)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_profile(profile),
      m_icon(new QSystemTrayIcon(QApplication::windowIcon(), this)),
      m_presenceWatch(new QTimer(this)), m_lossGrace(new QTimer(this)),
      m_fallback(quill::ReadInt(profile, quill::values::kTrayHintShown) != 0) {
    auto* startAtLogin = new StartAtLoginItem(frame, workingFolder, this);
    m_menu = BuildMenu(startAtLogin->Action(), &frame);
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    // The tray shows this menu itself; over D-Bus the host asks for it, and
    // its aboutToShow comes first all the same.
    m_icon->setContextMenu(m_menu);
    m_menuButton = new QToolButton(&frame);
    m_menuButton->setObjectName(QStringLiteral("windowMenuButton"));
    m_menuButton->setIcon(QIcon::fromTheme(QStringLiteral("open-menu"),
                                           QIcon::fromTheme(QStringLiteral("application-menu"))));
    if (m_menuButton->icon().isNull()) {
        m_menuButton->setText(QStringLiteral("\u2261"));
    }
    m_menuButton->setToolTip(tr("Menu"));
    m_menuButton->setAutoRaise(true);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setMenu(BuildMenu(startAtLogin->Action(), m_menuButton));
    m_menuButton->hide();
    for (QMenu* menu : {m_menu, m_menuButton->menu()}) {
        connect(menu, &QMenu::aboutToShow, startAtLogin, &StartAtLoginItem::Update);
    }

    m_icon->setToolTip(tr("Quillmark"));
    connect(m_icon, &QSystemTrayIcon::activated, this, &FrameTray::OnTrayNotify);
    // Qt docks the icon again by itself when an embedding tray comes (back),
    // and registers it again with a status notifier watcher that restarts.
    // Docking takes a few round trips to the X server: after the window is drawn.
    new AfterFirstPaint(frame, *m_icon, [icon = m_icon] { icon->show(); });

    // An embedding tray is found by asking the X server: now and then is
    // enough, and only while the window has no tray to return to or is
    // hidden there. A status notifier watcher announces itself on the bus.
    m_presenceWatch->setObjectName(QStringLiteral("trayPresenceWatch"));
    m_presenceWatch->setInterval(2000);
    connect(m_presenceWatch, &QTimer::timeout, this, &FrameTray::ReadPresence);
    // A panel restarting is gone for a moment: the window changes its kind
    // only when the tray stays away.
    m_lossGrace->setSingleShot(true);
    m_lossGrace->setInterval(3000);
    connect(m_lossGrace, &QTimer::timeout, this,
            [this] { CheckTrayPresence(QSystemTrayIcon::isSystemTrayAvailable()); });
#ifndef Q_OS_WIN
    auto* watcher = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                            QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &FrameTray::ReadPresence);
#endif
    frame.installEventFilter(this);
    CheckTrayPresence(QSystemTrayIcon::isSystemTrayAvailable());
}

FrameTray::~FrameTray() {
    m_icon->hide();
}

QMenu* FrameTray::BuildMenu(QAction* startAtLogin, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->addAction(m_commands.Action(quill::kSettingsCommand));
    QMenu* levels = menu->addMenu(tr("Set &transparence"));
    levels->setObjectName(QStringLiteral("trayLevelMenu"));
    levels->addActions(m_commands.LevelMenu()->actions());
    menu->addSeparator();
    menu->addAction(m_commands.Action(quill::kShowWindowCommand));
    menu->addAction(m_commands.Action(quill::kHideWindowCommand));
    menu->addAction(startAtLogin);
    menu->addSeparator();
    menu->addAction(m_commands.Action(quill::kAboutCommand));
    menu->addAction(m_commands.Action(quill::kExitCommand));
    connect(menu, &QMenu::aboutToShow, &m_commands, &FrameCommands::UpdateCommandUI);
    connect(levels, &QMenu::aboutToShow, &m_commands, &FrameCommands::UpdateCommandUI);
    return menu;
}

bool FrameTray::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_frame && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                                event->type() == QEvent::WindowStateChange)) {
        QTimer::singleShot(0, this, &FrameTray::UpdateWatch);
    }
    return QObject::eventFilter(watched, event);
}

void FrameTray::UpdateWatch() {
    const bool needed = !m_trayMode || !m_frame.isVisible() || m_frame.isMinimized();
    if (needed != m_presenceWatch->isActive()) {
        needed ? m_presenceWatch->start() : m_presenceWatch->stop();
    }
}

void FrameTray::ReadPresence() {
    const bool present = QSystemTrayIcon::isSystemTrayAvailable();
    if (!present && m_trayMode) {
        if (!m_lossGrace->isActive()) {
            m_lossGrace->start();
        }
        return;
    }
    m_lossGrace->stop();
    CheckTrayPresence(present);
}

void FrameTray::CheckTrayPresence(bool trayAvailable) {
    const std::optional<quill::TrayFallback::Change> change = m_fallback.Update(trayAvailable);
    if (!change) {
        return;
    }
    m_trayMode = change->trayMode;
    m_commands.SetHideToTray(m_trayMode);
    m_menuButton->setVisible(!m_trayMode);
    // A hidden window changes its kind unmapped, then waits where it now belongs.
    const bool hidden = !m_commands.WindowShown();
    if (hidden) {
        m_frame.hide();
    }
    emit TrayModeChanged(m_trayMode);
    if (hidden) {
        m_commands.HideWindow();
    }
    if (change->tellHowToGetATray) {
        QTimer::singleShot(0, this, &FrameTray::TellHowToGetATray);
    }
    UpdateWatch();
}

void FrameTray::TellHowToGetATray() {
    quill::WriteInt(m_profile, quill::values::kTrayHintShown, 1);
    ShowInformation(
        &m_frame,
        tr("This desktop shows no notification area (system tray), so Quillmark stays in the "
           "window list: \"Hide window\" minimises it, and the tray menu's commands are under "
           "the menu button at the top right of the window.\n\n"
           "On GNOME, the extension \"AppIndicator and KStatusNotifierItem Support\" (package "
           "gnome-shell-extension-appindicator) adds a notification area; Quillmark puts its "
           "icon there as soon as one appears."));
}

void FrameTray::OnTrayNotify(QSystemTrayIcon::ActivationReason reason) {
    // A double click comes as a click and then a double click: it toggles
    // twice and leaves the window as it was. The context menu is the tray's.
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
        Toggle();
    }
}

void FrameTray::Toggle() {
    if (m_commands.WindowShown()) {
        m_commands.HideWindow();
    } else {
        m_commands.ShowWindow();
    }
}
