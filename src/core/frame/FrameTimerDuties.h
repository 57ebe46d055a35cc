#pragma once

#include "frame/CHoverWatch.h"
#include "settings/FrameSettings.h"

namespace quill {

class WindowAlpha;
class FrameWindowProbe;
class PollDuty;
class DueTaskPass;

// The frame's periodic work, all reached through OnTimer, and the hover watch
// with its enter and leave handlers. It reads the settings as they are on
// each tick; layered says whether the window can be translucent at all.
class FrameTimerDuties : private HoverHost {
public:
    FrameTimerDuties(const FrameSettings& settings, bool layered, WindowAlpha& window,
                     FrameWindowProbe& probe, DueTaskPass& duePass);
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
    // The cursor is on the caption or borders (drawn hovered then).
    bool OverNonClient() const { return m_bOverNonClient; }

private:
    void PollTick();
    // Opaque once when the cursor comes in; the level's alpha on every tick
    // outside, unless the cursor is on the caption or borders.
    void TrackClientArea(bool cursorInClient);
    void MakeOpaque();

    bool StartHoverTimer() override;
    void StopHoverTimer() override;
    bool CursorOverFrameItself() override;
    void OnHoverEnter() override;
    void OnHoverLeave() override;

    const FrameSettings& m_settings;
    bool m_layered;
    WindowAlpha& m_window;
    FrameWindowProbe& m_probe;
    DueTaskPass& m_duePass;
    PollDuty* m_pickup = nullptr;
    CHoverWatch m_hoverWatch;
    bool m_timersRunning = false;
    bool m_bCursorInside = false;
    bool m_bOverNonClient = false;
};

} // namespace quill
