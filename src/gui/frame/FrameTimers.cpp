#include "frame/FrameTimers.h"

#include "frame/FrameTransparency.h"
#include "views/CQuillboxDoc.h"

#include <QCursor>
#include <QTimerEvent>
#include <QWidget>

FrameTimers::FrameTimers(QWidget& frame, CQuillboxDoc& document,
                         const quill::FrameSettings& settings, FrameTransparency& alpha)
    : QObject(&frame), m_frame(frame), m_duePass(document.Store(), m_clock, m_reminders, document),
      m_duties(settings, alpha.Available(), alpha, *this, m_duePass) {}

FrameTimers::~FrameTimers() {
    m_duties.StopTimers();
}

quill::CursorPlace FrameTimers::LocateCursor() {
    // The cursor over the window's own area needs no trip to the window system.
    if (!m_frame.isVisible()) {
        return quill::CursorPlace::Outside;
    }
    if (m_frame.underMouse()) {
        return m_lastPlace = quill::CursorPlace::Client;
    }
    // Asking the X server costs a round trip. Entering the client area is
    // reported by Qt at once, so away from the window only the caption needs
    // looking for, and every few ticks is soon enough for that.
    if (m_lastPlace == quill::CursorPlace::Outside && ++m_ticksSinceLook < kOutsideLookEvery) {
        return m_lastPlace;
    }
    m_ticksSinceLook = 0;
    const QPoint cursor = QCursor::pos();
    const QRect client = m_frame.geometry();
    const QRect frame = m_frame.frameGeometry();
    return m_lastPlace = quill::LocateCursor(
               {cursor.x(), cursor.y()}, {client.x(), client.y(), client.width(), client.height()},
               {frame.x(), frame.y(), frame.width(), frame.height()});
}

bool FrameTimers::StartTimer(int id, int periodMs) {
    StopTimer(id);
    const int qtId = startTimer(periodMs);
    if (qtId == 0) {
        return false;
    }
    m_qtIds[id] = qtId;
    return true;
}

void FrameTimers::StopTimer(int id) {
    auto it = m_qtIds.find(id);
    if (it != m_qtIds.end()) {
        killTimer(it->second);
        m_qtIds.erase(it);
    }
}

void FrameTimers::Repaint() {
    m_frame.update();
}

void FrameTimers::timerEvent(QTimerEvent* event) {
    int id = 0;
    for (const auto& [ours, qtId] : m_qtIds) {
        if (qtId == event->timerId()) {
            id = ours;
        }
    }
    if (id != 0) {
        OnTimer(id);
    }
}
