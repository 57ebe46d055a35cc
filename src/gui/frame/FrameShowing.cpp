#include "frame/FrameShowing.h"

#include <QMainWindow>

#include <QApplication>
#include <QEvent>
#include <QTabWidget>
#include <QWindow>

FrameShowing::FrameShowing(QMainWindow& frame) : QObject(&frame), m_frame(frame) {
    m_frame.installEventFilter(this);
}

bool FrameShowing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_frame || event->spontaneous()) {
        return false;
    }
    if (event->type() == QEvent::Hide) {
        m_geometry = m_frame.geometry();
    } else if (event->type() == QEvent::Show) {
        // The show event comes before the window is mapped: a position set now
        // is one the window manager keeps.
        if (m_geometry.isValid()) {
            m_frame.setGeometry(m_geometry);
        }
        // Shown minimised (hidden where there is no tray) it stays in the
        // window list: an activation would make the window manager restore it.
        if (!m_frame.isMinimized()) {
            BringToFront();
        }
    }
    return false;
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
