#include "frame/FrameTimerDuties.h"

#include "frame/FrameTimerIds.h"
#include "frame/FrameWindowProbe.h"
#include "frame/MainFrameState.h"
#include "frame/Transparency.h"
#include "tasks/DueTaskPass.h"

namespace quill {

void TrackClientArea(MainFrameState& state, bool cursorInClient, WindowAlpha& window) {
    if (cursorInClient) {
        if (!state.m_bCursorInside) {
            state.m_bCursorInside = true;
            MakeOpaque(state, window);
        }
    } else if (!state.m_bOverNonClient) {
        state.m_bCursorInside = false;
        MakeTranslucent(state, window);
    }
}

FrameTimerDuties::FrameTimerDuties(MainFrameState& state, WindowAlpha& window,
                                   FrameWindowProbe& probe, DueTaskPass& duePass)
    : m_state(state), m_window(window), m_probe(probe), m_duePass(duePass) {}

FrameTimerDuties::~FrameTimerDuties() {
    StopTimers();
}

bool FrameTimerDuties::StartTimers() {
    bool started = m_probe.StartTimer(kTaskTimerId, kTaskTimerPeriodMs);
    started = m_probe.StartTimer(kPollTimerId, kPollTimerPeriodMs) && started;
    m_timersRunning = true;
    return started;
}

void FrameTimerDuties::StopTimers() {
    if (m_timersRunning) {
        m_probe.StopTimer(kTaskTimerId);
        m_probe.StopTimer(kPollTimerId);
        m_timersRunning = false;
    }
    m_hoverWatch.Stop();
}

void FrameTimerDuties::OnTimer(int id) {
    if (id == kTaskTimerId) {
        m_duePass.Run();
    }
    if (id == kPollTimerId) {
        PollTick();
    } else if (id == kHoverTimerId) {
        m_hoverWatch.Check(*this);
    }
}

void FrameTimerDuties::PollTick() {
    if (m_pickup != nullptr) {
        m_pickup->OnPollTick();
    }
    // The pickup does not depend on tracking: with tracking off the browser's
    // "Add link" entry would otherwise still show and silently do nothing.
    if (!m_state.m_bTrackMouse) {
        return;
    }
    const CursorPlace place = m_probe.LocateCursor();
    // Where the window manager draws the caption, no mouse move reaches the
    // program there: the poll tick is what notices the cursor on it.
    if (place == CursorPlace::NonClient && !m_hoverWatch.IsRunning()) {
        m_hoverWatch.Start(*this);
    }
    TrackClientArea(m_state, place == CursorPlace::Client, m_window);
}

bool FrameTimerDuties::StartHoverTimer() {
    return m_probe.StartTimer(kHoverTimerId, kHoverTimerPeriodMs);
}

void FrameTimerDuties::StopHoverTimer() {
    m_probe.StopTimer(kHoverTimerId);
}

bool FrameTimerDuties::CursorOverFrameItself() {
    return m_probe.LocateCursor() == CursorPlace::NonClient;
}

void FrameTimerDuties::OnHoverEnter() {
    m_state.m_bOverNonClient = true;
    if (m_state.m_bTrackMouse) {
        MakeOpaque(m_state, m_window);
    }
    m_probe.Repaint();
}

void FrameTimerDuties::OnHoverLeave() {
    m_state.m_bOverNonClient = false;
    m_probe.Repaint();
}

} // namespace quill
