#include "gui/frame/FrameTray.h"

#include "core/frame/CommandTable.h"
#include "core/settings/ProfileValues.h"
#include "gui/common/AfterFirstPaint.h"
#include "gui/common/LogCategories.h"
#include "gui/common/UserMessages.h"
#include "gui/frame/FrameCommands.h"
#include "gui/frame/StartAtLoginItem.h"
#include "gui/platform/StatusNotifier.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

FrameTray::FrameTray(QWidget& frame, FrameCommands& commands, quill::Profile& profile,
                     const QString& workingFolder)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_profile(profile),
      m_presenceWatch(new QTimer(this)), m_lossGrace(new QTimer(this)),
      m_fallback(quill::ReadInt(profile, quill::values::kTrayHintShown) != 0) {
    auto* startAtLogin = new StartAtLoginItem(frame, workingFolder, this);
    m_menu = BuildMenu(startAtLogin->Action(), &frame);
    m_menu->setObjectName(QStringLiteral("trayMenu"));
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

    // A host's menu is read over the bus; its aboutToShow comes first all the same.
    m_notifier = std::make_unique<StatusNotifier>(
        *m_menu, StatusNotifier::Events{[this] { ReadPresence(); }, [this] { Toggle(); }});

    // An embedding tray is found by asking the X server: now and then is
    // enough, and only while the window has no tray to return to or is
    // hidden there. A status notifier watcher and its host announce
    // themselves on the bus.
    m_presenceWatch->setObjectName(QStringLiteral("trayPresenceWatch"));
    m_presenceWatch->setInterval(2000);
    connect(m_presenceWatch, &QTimer::timeout, this, &FrameTray::ReadPresence);
    // A panel restarting is gone for a moment: the window changes its kind
    // only when the tray stays away.
    m_lossGrace->setSingleShot(true);
    m_lossGrace->setInterval(3000);
    connect(m_lossGrace, &QTimer::timeout, this, [this] {
        const quill::TrayPath path = CurrentPath();
        ShowIconOn(path);
        CheckTrayPresence(path != quill::TrayPath::None);
    });
    CheckTrayPresence(CurrentPath() != quill::TrayPath::None);
    // Docking takes a few round trips to the X server: after the window is drawn.
    new AfterFirstPaint(frame, *this, [this] {
        m_iconsShown = true;
        ShowIconOn(CurrentPath());
    });
}

FrameTray::~FrameTray() {
    if (m_icon != nullptr) {
        m_icon->hide();
    }
}

quill::TrayPath FrameTray::CurrentPath() {
    const bool host = m_notifier->HostPresent();
    // Qt chooses its kind of icon once, when the first is made or asked
    // about: a status notifier item of its own where a host exists then. So
    // its icon is made only while no host is known, and is the embedded kind.
    if (!host) {
        EmbeddedIcon();
    }
    return quill::LiveTrayPath(host, !host && QSystemTrayIcon::isSystemTrayAvailable());
}

QSystemTrayIcon& FrameTray::EmbeddedIcon() {
    if (m_icon == nullptr) {
        m_icon = new QSystemTrayIcon(QApplication::windowIcon(), this);
        m_icon->setContextMenu(m_menu);
        m_icon->setToolTip(tr("Quillmark"));
        connect(m_icon, &QSystemTrayIcon::activated, this, &FrameTray::OnTrayNotify);
    }
    return *m_icon;
}

void FrameTray::ShowIconOn(quill::TrayPath path) {
    if (!m_iconsShown) {
        return;
    }
    // One icon at a time. Qt's docks again by itself when an embedding tray
    // comes (back), so it stays shown while there is no tray at all.
    m_notifier->SetShown(path == quill::TrayPath::StatusNotifier);
    if (path != quill::TrayPath::StatusNotifier) {
        EmbeddedIcon().show();
    } else if (m_icon != nullptr) {
        m_icon->hide();
    }
    if (path != m_path) {
        m_path = path;
        qCDebug(lcTray) << "tray icon:"
                        << (path == quill::TrayPath::StatusNotifier ? "status notifier item"
                            : path == quill::TrayPath::Embedded     ? "embedded icon"
                                                                    : "none");
    }
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

void FrameTray::OnFrameEvent(const QEvent& event) {
    if (event.type() == QEvent::Show || event.type() == QEvent::Hide ||
        event.type() == QEvent::WindowStateChange) {
        QTimer::singleShot(0, this, &FrameTray::UpdateWatch);
    }
}

void FrameTray::UpdateWatch() {
    const bool needed = !m_trayMode || !m_frame.isVisible() || m_frame.isMinimized();
    if (needed != m_presenceWatch->isActive()) {
        needed ? m_presenceWatch->start() : m_presenceWatch->stop();
    }
}

void FrameTray::ReadPresence() {
    const quill::TrayPath path = CurrentPath();
    ShowIconOn(path);
    const bool present = path != quill::TrayPath::None;
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
    // The hint says there is no tray, and a window with a dialog open over it
    // must not change its kind: a window manager may then hide it as a tool
    // window whose owner lost the focus (KWin does), minimised but unlisted.
    if (m_trayMode && m_hint != nullptr) {
        m_hint->close();
    }
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
    if (m_trayMode) {
        return; // a tray came before the word
    }
    quill::WriteInt(m_profile, quill::values::kTrayHintShown, 1);
    // Left open while the program goes on, so a tray that comes can close it.
    m_hint = OpenInformation(
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
    // What is on screen counts: a window the window manager minimised or hid
    // is shown, so one click always does something visible.
    if (m_commands.WindowShown() && m_frame.isVisible() && !m_frame.isMinimized()) {
        m_commands.HideWindow();
    } else {
        m_commands.ShowWindow();
    }
}
