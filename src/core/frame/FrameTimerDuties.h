#pragma once

#include "frame/CHoverWatch.h"

namespace quill {

struct MainFrameState;
class WindowAlpha;
class FrameWindowProbe;
class PollDuty;
class DueTaskPass;

// The client-area tracking step of a poll tick: opaque once when the cursor
// comes in; the level's alpha on every tick outside, unless the cursor is on
// the caption or borders.
void TrackClientArea(MainFrameState& state, bool cursorInClient, WindowAlpha& window);

// The frame's periodic work, all reached through OnTimer, and the hover watch
// with its enter and leave handlers.
class FrameTimerDuties : private HoverHost {
public:
    FrameTimerDuties(MainFrameState& state, WindowAlpha& window, FrameWindowProbe& probe,
                     DueTaskPass& duePass);
    ~FrameTimerDuties() override;
    FrameTimerDuties(const FrameTimerDuties&) = delete;
    FrameTimerDuties& operator=(const FrameTimerDuties&) = delete;

    // Starts timers 111 and 112; false when either could not be started.
    bool StartTimers();
    // Stops 111, 112 and the hover watch.
    void StopTimers();

    void SetLinkPickup(PollDuty* pickup) { m_pickup = pickup; }

    void OnTimer(int id);

    // A mouse move over the caption or borders, where the platform reports one.
    void OnNcMouseMove() { m_hoverWatch.Start(*this); }

    const CHoverWatch& HoverWatch() const { return m_hoverWatch; }

private:
    void PollTick();

    bool StartHoverTimer() override;
    void StopHoverTimer() override;
    bool CursorOverFrameItself() override;
    void OnHoverEnter() override;
    void OnHoverLeave() override;

    MainFrameState& m_state;
    WindowAlpha& m_window;
    FrameWindowProbe& m_probe;
    DueTaskPass& m_duePass;
    PollDuty* m_pickup = nullptr;
    CHoverWatch m_hoverWatch;
    bool m_timersRunning = false;
};

} // namespace quill
