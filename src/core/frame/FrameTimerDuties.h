#pragma once

#include "core/frame/CHoverWatch.h"
#include "core/frame/CursorPlace.h"
#include "core/frame/MinuteAlarm.h"
#include "core/settings/FrameSettings.h"

namespace quill {

class WindowAlpha;
class FrameWindowProbe;
class PollDuty;
class DueTaskPass;

// The frame's timed work, all reached through OnTimer, and the hover watch
// with its enter and leave handlers. It keeps the settings it was last given;
// layered says whether the window can be translucent at all.
//
// Nothing ticks fast while nothing happens: the due-task pass wakes at each
// minute's start and right after the task list changes, the cursor is followed
// only while it may be on the window, and a slow tick is the safety net for the
// link pickup and the clock.
class FrameTimerDuties : private HoverHost {
public:
    FrameTimerDuties(const FrameSettings& settings, bool layered, WindowAlpha& window,
                     FrameWindowProbe& probe, DueTaskPass& duePass, const TimerClock& clock);
    ~FrameTimerDuties() override;
    FrameTimerDuties(const FrameTimerDuties&) = delete;
    FrameTimerDuties& operator=(const FrameTimerDuties&) = delete;

    // Arms the task timer (111), starts the slow tick (114) and asks for a
    // pass at once, for the tasks of the minute the program starts in; false
    // when a timer could not be started. The cursor poll (112) follows the window.
    bool StartTimers();
    // Stops every timer and the hover watch.
    void StopTimers();

    // The pickup's safety check, on the slow tick; its own file watch runs it
    // whenever the profile changes.
    void SetLinkPickup(PollDuty* pickup) { m_pickup = pickup; }

    void OnTimer(int id);

    // The task list changed (added, edited, postponed, read again): one pass
    // soon, so that a task of the current minute is reminded within it.
    void OnTasksChanged();

    // The window was shown or hidden: a hidden window follows no cursor.
    void OnWindowShown(bool shown);
    // The window system saw the cursor come onto the window, caption and
    // borders included (true), or leave it. Once it has said so, the cursor
    // poll runs from an enter until a tick finds the cursor away; until then
    // it runs while the window shows.
    void OnCursorOnWindow(bool on);
    // The settings changed (a level, "Track mouse"): the cursor is looked at
    // once and the poll follows.
    void UseSettings(const FrameSettings& settings);
    // The program became active (opaque) or inactive (the level's alpha); then
    // the cursor is looked at once, as above.
    void OnProgramActive(bool active);
    bool CursorPolled() const { return m_polling; }

    const CHoverWatch& HoverWatch() const { return m_hoverWatch; }
    // The cursor is on the caption or borders (drawn hovered then).
    bool OverNonClient() const { return m_bOverNonClient; }

private:
    // One look at the cursor now, if it is followed at all; the poll follows.
    void Refresh();
    void PollTick();
    // Where the cursor is, as far as the window system still knows it.
    CursorPlace Locate();
    void RunDuePass();
    // Runs the cursor poll exactly while it can find something.
    void UpdatePolling();
    // Opaque once when the cursor comes in; the level's alpha on every tick
    // outside, unless the cursor is on the caption or borders.
    void TrackClientArea(bool cursorInClient);
    void MakeOpaque();

    bool StartHoverTimer() override;
    void StopHoverTimer() override;
    bool CursorOverFrameItself() override;
    void OnHoverEnter() override;
    void OnHoverLeave() override;

    FrameSettings m_settings;
    bool m_layered;
    WindowAlpha& m_window;
    FrameWindowProbe& m_probe;
    DueTaskPass& m_duePass;
    MinuteAlarm m_minuteAlarm;
    PollDuty* m_pickup = nullptr;
    CHoverWatch m_hoverWatch;
    bool m_timersRunning = false;
    bool m_polling = false;
    bool m_shown = false;
    bool m_enterLeaveReported = false;
    bool m_cursorOnWindow = false;
    // The last poll tick found the cursor away from the window and gave it the
    // level's alpha: only then may the poll stop after a leave.
    bool m_levelSeenAway = true;
    bool m_bCursorInside = false;
    bool m_bOverNonClient = false;
};

} // namespace quill
