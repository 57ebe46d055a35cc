#include "gui/frame/FrameTimers.h"

#include "gui/platform/FrameHover.h"

#include "core/frame/FrameTimerIds.h"
#include "gui/frame/FrameTransparency.h"
#include "gui/settings/FrameSettingsOwner.h"
#include "gui/views/CQuillboxDoc.h"

#include <QCursor>
#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

FrameTimers::FrameTimers(QWidget& frame, CQuillboxDoc& document, const FrameSettingsOwner& settings,
                         FrameTransparency& alpha, quill::Profile& profile)
    : QObject(&frame), m_frame(frame), m_document(document), m_reminders(frame),
      m_duePass(document.Store(), m_clock, m_reminders, document, profile),
      m_duties(settings.Get(), alpha.Available(), alpha, *this, m_duePass, m_timerClock),
      m_frameHover(std::make_unique<FrameHover>(
          frame, [this](bool onWindow) { m_duties.OnCursorOnWindow(onWindow); })) {
    // A new level or "Track mouse" shows at once, even with no cursor poll running.
    connect(&settings, &FrameSettingsOwner::Changed, this,
            [this](const quill::FrameSettings& changed) { m_duties.UseSettings(changed); });
    document.Store().OnTasksChanged([this] { m_duties.OnTasksChanged(); });
}

FrameTimers::~FrameTimers() {
    m_document.Store().OnTasksChanged(nullptr);
    m_duties.StopTimers();
}

void FrameTimers::Start() {
    if (!m_duties.StartTimers()) {
        // Without them no reminder would come: say so where it can be seen.
        qWarning("Quillmark: the reminder and link timers could not be started");
    }
}

quill::CursorPlace FrameTimers::LocateCursor() {
    if (!m_frame.isVisible() || m_frameHover->CursorLeftForWayland()) {
        return quill::CursorPlace::Outside;
    }
    // Asked of the window system each time: Qt's own idea of the cursor being
    // on the window lags behind a leave it has not handled yet.
    const QPoint cursor = QCursor::pos();
    const QRect client = m_frame.geometry();
    const QRect frame = m_frame.frameGeometry();
    return quill::LocateCursor({cursor.x(), cursor.y()},
                               {client.x(), client.y(), client.width(), client.height()},
                               {frame.x(), frame.y(), frame.width(), frame.height()});
}

void FrameTimers::OnFrameEvent(const QEvent& event) {
    switch (event.type()) {
    case QEvent::Show:
    case QEvent::Hide:
        m_duties.OnWindowShown(event.type() == QEvent::Show);
        // On it for the X server, which says nothing when the cursor comes
        // back (it only moves): polled until then.
        if (event.type() == QEvent::Show && m_frameHover->CursorLeftForWayland()) {
            m_duties.OnCursorOnWindow(true);
        }
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        // Qt sees the client area only: enough where no frame is drawn around it.
        if (m_frameHover->Unframed()) {
            m_duties.OnCursorOnWindow(event.type() == QEvent::Enter);
        }
        break;
    default:
        break;
    }
}

bool FrameTimers::StartTimer(int id, int periodMs) {
    StopTimer(id);
    // A coarse timer may come 5% late: seconds, for the minute's start.
    const int qtId =
        startTimer(periodMs, id == quill::kTaskTimerId ? Qt::PreciseTimer : Qt::CoarseTimer);
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
    if (id == quill::kDueSoonTimerId) {
        StopTimer(id); // a single shot: it must not fire again before its pass runs
    }
    if (id == quill::kTaskTimerId || id == quill::kSlowTimerId || id == quill::kDueSoonTimerId) {
        // Run outside the timer's own handler: Qt fires no timer again while
        // its handler runs, and a reminder left open would hold up the next
        // pass for as long as it stays open.
        QMetaObject::invokeMethod(
            this, [this, id] { OnTimer(id); }, Qt::QueuedConnection);
    } else if (id != 0) {
        OnTimer(id);
    }
}
