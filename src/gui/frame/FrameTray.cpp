#include "frame/FrameTray.h"

#include "common/AfterFirstPaint.h"
#include "frame/CommandTable.h"
#include "frame/FrameCommands.h"
#include "frame/StartAtLoginItem.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QTimer>

FrameTray::FrameTray(QWidget& frame, FrameCommands& commands)
    : QObject(&frame), m_commands(commands),
      m_icon(new QSystemTrayIcon(QApplication::windowIcon(), this)), m_menu(new QMenu(&frame)),
      m_presenceWatch(new QTimer(this)) {
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_menu->addAction(m_commands.Action(quill::kSettingsCommand));
    QMenu* levels = m_menu->addMenu(tr("Set &transparence"));
    levels->setObjectName(QStringLiteral("trayLevelMenu"));
    levels->addActions(m_commands.LevelMenu()->actions());
    m_menu->addSeparator();
    m_menu->addAction(m_commands.Action(quill::kShowWindowCommand));
    m_menu->addAction(m_commands.Action(quill::kHideWindowCommand));
    auto* startAtLogin = new StartAtLoginItem(frame, this);
    m_menu->addAction(startAtLogin->Action());
    connect(m_menu, &QMenu::aboutToShow, startAtLogin, &StartAtLoginItem::Update);
    m_menu->addSeparator();
    m_menu->addAction(m_commands.Action(quill::kAboutCommand));
    m_menu->addAction(m_commands.Action(quill::kExitCommand));
    connect(m_menu, &QMenu::aboutToShow, &m_commands, &FrameCommands::UpdateCommandUI);
    connect(levels, &QMenu::aboutToShow, &m_commands, &FrameCommands::UpdateCommandUI);

    m_icon->setToolTip(tr("Quillmark"));
    connect(m_icon, &QSystemTrayIcon::activated, this, &FrameTray::OnTrayNotify);
    // Qt puts the icon back by itself when the notification area comes back.
    // Docking it takes a few round trips to the X server: after the window is drawn.
    new AfterFirstPaint(frame, *m_icon, [icon = m_icon] { icon->show(); });

    // Asking for the notification area is a round trip to the X server: now and
    // then is enough, and only while the window is hidden, as a shown window
    // needs no way back.
    m_presenceWatch->setInterval(2000);
    connect(m_presenceWatch, &QTimer::timeout, this,
            [this] { CheckTrayPresence(QSystemTrayIcon::isSystemTrayAvailable()); });
    frame.installEventFilter(this);
    if (!frame.isVisible()) {
        m_presenceWatch->start();
    }
}

bool FrameTray::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        m_presenceWatch->stop();
    } else if (event->type() == QEvent::Hide) {
        m_presenceWatch->start();
    }
    return QObject::eventFilter(watched, event);
}

void FrameTray::CheckTrayPresence(bool trayAvailable) {
    if (!trayAvailable && !m_commands.WindowShown()) {
        m_commands.ShowWindow();
    }
}

FrameTray::~FrameTray() {
    m_icon->hide();
}

void FrameTray::OnTrayNotify(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    // A double click comes as a click and then a double click: it toggles
    // twice and leaves the window as it was.
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick:
        Toggle();
        break;
    case QSystemTrayIcon::Context:
        m_commands.UpdateCommandUI();
        m_menu->popup(QCursor::pos());
        m_menu->activateWindow();
        break;
    default:
        break;
    }
}

void FrameTray::Toggle() {
    if (m_commands.WindowShown()) {
        m_commands.HideWindow();
    } else {
        m_commands.ShowWindow();
    }
}
