#include "gui/frame/FrameShowing.h"

#include <QMainWindow>

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

namespace {
quill::ScreenRect ToScreenRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
QRect ToQRect(const quill::ScreenRect& r) {
    return {r.left, r.top, r.width, r.height};
}
quill::FrameMargins MarginsOf(const QWidget& window) {
    const QRect client = window.geometry();
    const QRect outer = window.frameGeometry();
    return {client.left() - outer.left(), client.top() - outer.top(),
            outer.right() - client.right(), outer.bottom() - client.bottom()};
}
} // namespace

void FrameShowing::OnFrameEvent(const QEvent& event) {
    switch (event.type()) {
    case QEvent::Hide:
        if (!event.spontaneous()) {
            m_geometry = m_frame.geometry();
            if (m_frame.frameGeometry() != m_geometry) {
                m_margins = MarginsOf(m_frame);
            }
        }
        break;
    case QEvent::Show:
        if (!event.spontaneous()) {
            // Sent before the window is mapped.
            PlaceBeforeMap();
            m_framePending = true;
            // Shown minimised (hidden where there is no tray) it stays in the
            // window list: an activation would make the window manager restore it.
            if (!m_frame.isMinimized()) {
                BringToFront();
            }
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_framePending && event.spontaneous() &&
            m_frame.frameGeometry() != m_frame.geometry()) {
            m_framePending = false;
            KeepFrameInside();
        }
        break;
    default:
        break;
    }
}

QRect FrameShowing::Available() const {
    const QRect at = m_geometry.isValid() ? m_geometry : m_frame.geometry();
    QScreen* screen = QGuiApplication::screenAt(at.center());
    if (screen == nullptr) {
        screen = m_frame.screen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void FrameShowing::PlaceBeforeMap() {
    const QRect wanted = m_geometry.isValid() ? m_geometry : m_frame.geometry();
    const QRect kept =
        ToQRect(quill::KeepInside(ToScreenRect(wanted), m_margins, ToScreenRect(Available())));
    if (!m_geometry.isValid()) {
        // The first show: the window manager chooses the place.
        if (kept.size() != wanted.size()) {
            m_frame.resize(kept.size());
        }
        return;
    }
    m_frame.setGeometry(kept);
    // The widget may take its old place as no change at all; the window is
    // told anew, so that the window manager hears of a position the program
    // chose (one it keeps) rather than placing the window afresh.
    if (QWindow* window = m_frame.windowHandle()) {
        window->setGeometry(kept);
    }
}

void FrameShowing::KeepFrameInside() {
    const QRect client = m_frame.geometry();
    m_margins = MarginsOf(m_frame);
    const QRect kept =
        ToQRect(quill::KeepInside(ToScreenRect(client), m_margins, ToScreenRect(Available())));
    if (kept != client) {
        m_frame.setGeometry(kept);
    }
}

void FrameShowing::BringToFront() {
    m_frame.raise();
    if (QWindow* window = m_frame.windowHandle()) {
        if (QGuiApplication::focusWindow() == window && QApplication::activeWindow() != &m_frame) {
            // Shown again just after hiding: Qt still counts the window as
            // focused and would pass over its return, so its widgets would
            // never hear of it. They are told now; should the window manager
            // refuse, Qt takes it back as usual.
            QApplication::setActiveWindow(&m_frame);
        }
        // Asked of the window itself: QWidget::activateWindow() asks nothing
        // of a window that Qt counts as active.
        window->requestActivate();
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(m_frame.centralWidget())) {
        if (QWidget* view = tabs->currentWidget()) {
            view->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
}
