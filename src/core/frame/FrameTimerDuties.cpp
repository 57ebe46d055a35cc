#include "frame/FrameTimerDuties.h"

#include "commands/DueTaskPass.h"
#include "frame/FrameTimerIds.h"
#include "frame/FrameWindowProbe.h"
#include "frame/WindowAlpha.h"
#include "integration/NewLinkPickup.h"

namespace quill {

FrameTimerDuties::FrameTimerDuties(const FrameSettings& settings, bool layered, WindowAlpha& window,
                                   FrameWindowProbe& probe, DueTaskPass& duePass)
    : m_settings(settings), m_layered(layered), m_window(window), m_probe(probe),
      m_duePass(duePass) {}

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
    if (!m_settings.trackMouse) {
        return;
    }
    const CursorPlace place = m_probe.LocateCursor();
    // Where the window manager draws the caption, no mouse move reaches the
    // program there: the poll tick is what notices the cursor on it.
    if (place == CursorPlace::NonClient && !m_hoverWatch.IsRunning()) {
        m_hoverWatch.Start(*this);
    }
    TrackClientArea(place == CursorPlace::Client);
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
