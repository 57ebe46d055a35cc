#include "gui/frame/FrameActivation.h"

#include <QMainWindow>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWindow>

namespace {
// Long enough for a window manager to act on a focus request.
constexpr int kFocusSettleMs = 1000;
} // namespace

FrameActivation::FrameActivation(QMainWindow& frame, std::function<void(bool)> onSwitch)
    : QObject(&frame), m_frame(frame), m_onSwitch(std::move(onSwitch)),
      m_active(QGuiApplication::applicationState() == Qt::ApplicationActive) {
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { Switch(state == Qt::ApplicationActive); });
    // A window of the program taking the focus is an activation even where Qt
    // still believes the program active from before.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (window != nullptr) {
            Switch(true);
        }
    });
    // Application-wide: the program opens dialogs everywhere, and each one's close counts.
    qApp->installEventFilter(this);

    m_focusCheck.setSingleShot(true);
    m_focusCheck.setInterval(kFocusSettleMs);
    connect(&m_focusCheck, &QTimer::timeout, this, &FrameActivation::CheckFocusHeld);
}

FrameActivation::~FrameActivation() {
    qApp->removeEventFilter(this);
}

bool FrameActivation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched == &m_frame) {
        Switch(true);
    } else if (event->type() == QEvent::Hide && !event->spontaneous()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow()) {
            // After the dialog's own event loop has ended and it is gone.
            QTimer::singleShot(0, this, &FrameActivation::ReturnFocusAfterDialog);
        }
    }
    return false;
}

void FrameActivation::Switch(bool active) {
    if (active == m_active) {
        return;
    }
    m_active = active;
    m_onSwitch(active);
}

void FrameActivation::ReturnFocusAfterDialog() {
    if (!m_active) {
        return; // closed while the user is elsewhere: the focus stays there
    }
    if (QWidget* owner = QApplication::activeModalWidget()) {
        owner->raise();
        owner->activateWindow();
        return;
    }
    if (m_frame.isVisible() && !m_frame.isMinimized()) {
        m_frame.raise();
        m_frame.activateWindow();
        m_focusCheck.start();
        return;
    }
    // Hidden in the tray: the focus can only go to another program.
    Switch(false);
}

void FrameActivation::CheckFocusHeld() {
    const QWindow* focus = QGuiApplication::focusWindow();
    if (focus == nullptr || !focus->isVisible()) {
        Switch(false);
    }
}
