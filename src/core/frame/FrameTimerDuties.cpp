#include "core/frame/FrameTimerDuties.h"

#include "core/commands/DueTaskPass.h"
#include "core/frame/FrameTimerIds.h"
#include "core/frame/FrameWindowProbe.h"
#include "core/frame/WindowAlpha.h"
#include "core/integration/NewLinkPickup.h"

namespace quill {

FrameTimerDuties::FrameTimerDuties(const FrameSettings& settings, bool layered, WindowAlpha& window,
                                   FrameWindowProbe& probe, DueTaskPass& duePass,
                                   const TimerClock& clock)
    : m_settings(settings), m_layered(layered), m_window(window), m_probe(probe),
      m_duePass(duePass), m_minuteAlarm(clock) {}

void FrameTimerDuties::TrackClientArea(bool cursorInClient) {
    if (cursorInClient) {
        if (!m_bCursorInside) {
            m_bCursorInside = true;
            MakeOpaque();
        }
    } else if (!m_bOverNonClient) {
        m_bCursorInside = false;
        MakeTranslucent(m_layered, m_settings.transparency, m_window);
    }
}

void FrameTimerDuties::MakeOpaque() {
    quill::MakeOpaque(m_layered, m_window);
}

FrameTimerDuties::~FrameTimerDuties() {
    StopTimers();
}

bool FrameTimerDuties::StartTimers() {
    bool started = m_probe.StartTimer(kTaskTimerId, m_minuteAlarm.Arm());
    started = m_probe.StartTimer(kSlowTimerId, kSlowTimerPeriodMs) && started;
    m_timersRunning = true;
    OnTasksChanged();
    UpdatePolling();
    return started;
}

void FrameTimerDuties::OnTasksChanged() {
    m_duePass.LookAgainAtThisMinute();
    // Restarted by every change, so a burst of them makes one pass. Without
    // it the next minute's pass still finds the task, as missed.
    if (m_timersRunning) {
        m_probe.StartTimer(kDueSoonTimerId, 0);
    }
}

void FrameTimerDuties::StopTimers() {
    if (m_timersRunning) {
        m_probe.StopTimer(kTaskTimerId);
        m_probe.StopTimer(kSlowTimerId);
        m_probe.StopTimer(kDueSoonTimerId);
        m_timersRunning = false;
        UpdatePolling();
    }
    m_hoverWatch.Stop();
}

void FrameTimerDuties::OnTimer(int id) {
    if (id == kTaskTimerId) {
        RunDuePass();
    } else if (id == kDueSoonTimerId) {
        m_probe.StopTimer(kDueSoonTimerId);
        RunDuePass();
    } else if (id == kPollTimerId) {
        PollTick();
        UpdatePolling();
    } else if (id == kHoverTimerId) {
        m_hoverWatch.Check(*this);
    } else if (id == kSlowTimerId) {
        if (m_pickup != nullptr) {
            m_pickup->OnPollTick();
        }
        // A timer set for a minute's start misses it once the wall clock moved.
        if (m_minuteAlarm.ClockMoved()) {
            RunDuePass();
        }
    }
}

void FrameTimerDuties::RunDuePass() {
    // Armed before the pass: a reminder may stay open past the next minute.
    if (m_timersRunning) {
        m_probe.StartTimer(kTaskTimerId, m_minuteAlarm.Arm());
    }
    m_duePass.Run();
}

void FrameTimerDuties::OnWindowShown(bool shown) {
    m_shown = shown;
    m_levelSeenAway = true;
    if (shown) {
        // Shown under the cursor: no enter comes for a cursor already there.
        m_cursorOnWindow = m_probe.LocateCursor() != CursorPlace::Outside;
    }
    UpdatePolling();
}

void FrameTimerDuties::OnCursorOnWindow(bool on) {
    m_enterLeaveReported = true;
    m_cursorOnWindow = on;
    if (!on && m_settings.trackMouse) {
        // Off the caption first, then the level's alpha.
        if (m_hoverWatch.IsRunning()) {
            m_hoverWatch.Check(*this);
        }
        PollTick();
    }
    UpdatePolling();
}

void FrameTimerDuties::UseSettings(const FrameSettings& settings) {
    m_settings = settings;
    Refresh();
}

void FrameTimerDuties::OnProgramActive(bool active) {
    if (active) {
        MakeOpaque();
    } else {
        MakeTranslucent(m_layered, m_settings.transparency, m_window);
    }
    Refresh();
}

void FrameTimerDuties::Refresh() {
    if (m_shown && m_settings.trackMouse) {
        PollTick();
    }
    UpdatePolling();
}

void FrameTimerDuties::UpdatePolling() {
    const bool wanted = m_timersRunning && m_shown && m_settings.trackMouse &&
                        (m_cursorOnWindow || !m_enterLeaveReported || !m_levelSeenAway);
    if (wanted && !m_polling) {
        m_polling = m_probe.StartTimer(kPollTimerId, kPollTimerPeriodMs);
    } else if (!wanted && m_polling) {
        m_probe.StopTimer(kPollTimerId);
        m_polling = false;
    }
}

void FrameTimerDuties::PollTick() {
    if (!m_settings.trackMouse) {
        return;
    }
    const CursorPlace place = Locate();
    // Where the window manager draws the caption, no mouse move reaches the
    // program there: the poll tick is what notices the cursor on it.
    if (place == CursorPlace::NonClient && !m_hoverWatch.IsRunning()) {
        m_hoverWatch.Start(*this);
    }
    TrackClientArea(place == CursorPlace::Client);
    m_levelSeenAway = place == CursorPlace::Outside && !m_bOverNonClient;
}

bool FrameTimerDuties::StartHoverTimer() {
    return m_probe.StartTimer(kHoverTimerId, kHoverTimerPeriodMs);
}

void FrameTimerDuties::StopHoverTimer() {
    m_probe.StopTimer(kHoverTimerId);
}

bool FrameTimerDuties::CursorOverFrameItself() {
    return Locate() == CursorPlace::NonClient;
}

CursorPlace FrameTimerDuties::Locate() {
    // Once the window system said the cursor left the window, a place on it
    // is stale: another window covers that place, or the X server runs under
    // Wayland and stopped following the cursor when it left for a Wayland
    // window. It is on the window again when the window system says so.
    if (m_enterLeaveReported && !m_cursorOnWindow) {
        return CursorPlace::Outside;
    }
    return m_probe.LocateCursor();
}

void FrameTimerDuties::OnHoverEnter() {
    m_bOverNonClient = true;
    if (m_settings.trackMouse) {
        MakeOpaque();
    }
    m_probe.Repaint();
}

void FrameTimerDuties::OnHoverLeave() {
    m_bOverNonClient = false;
    m_probe.Repaint();
}

} // namespace quill
