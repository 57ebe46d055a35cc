#include "frame/FrameTimers.h"

#include "frame/CMainFrame.h"
#include "views/CQuillboxDoc.h"

#include <QCursor>
#include <QTimerEvent>

FrameTimers::FrameTimers(CMainFrame& frame, quill::WindowAlpha& alpha)
    : QObject(&frame), m_frame(frame), m_reminders(frame),
      m_duePass(frame.State(), m_clock, m_reminders, *this),
      m_duties(frame.State(), alpha, *this, m_duePass) {}

FrameTimers::~FrameTimers() {
    m_duties.StopTimers();
}

quill::CursorPlace FrameTimers::LocateCursor() {
    // The cursor over the window's own area needs no trip to the window system.
    if (!m_frame.isVisible()) {
        return quill::CursorPlace::Outside;
    }
    if (m_frame.underMouse()) {
        return quill::CursorPlace::Client;
    }
    const QPoint cursor = QCursor::pos();
    const QRect client = m_frame.geometry();
    const QRect frame = m_frame.frameGeometry();
    return quill::LocateCursor({cursor.x(), cursor.y()},
                               {client.x(), client.y(), client.width(), client.height()},
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

void FrameTimers::UpdateAllViews() {
    if (m_frame.m_pDocument != nullptr) {
        m_frame.m_pDocument->UpdateAllViews();
    }
}
