#pragma once

#include "core/commands/DueTaskPass.h"
#include "core/frame/FrameTimerDuties.h"
#include "core/frame/FrameWindowProbe.h"
#include "core/frame/MinuteAlarm.h"
#include "gui/common/QtClock.h"
#include "gui/tasks/QtReminderDialog.h"

#include <QObject>
#include <map>
#include <memory>

class CQuillboxDoc;
class FrameHover;
class FrameSettingsOwner;
class FrameTransparency;

// The frame's timers 111 to 115, each tick handed to the logic through one
// OnTimer(id); what those ticks read from the window; and the window's
// showing, hiding and cursor crossings, which decide when the cursor poll runs.
// The reminders keep their last checked minute in the program's profile.
class FrameTimers : public QObject, public quill::FrameWindowProbe {
    Q_OBJECT
public:
    FrameTimers(QWidget& frame, CQuillboxDoc& document, const FrameSettingsOwner& settings,
                FrameTransparency& alpha, quill::Profile& profile);
    ~FrameTimers() override;

    // Starts the timers; once the event loop runs, the first pass reminds the
    // tasks missed while the program was not running and those of this minute.
    void Start();
    void OnTimer(int id) { m_duties.OnTimer(id); }

    quill::FrameTimerDuties& Duties() { return m_duties; }
    bool IsRunning(int id) const { return m_qtIds.contains(id); }
    // Where the reminders take "now" from; the desktop's clock unless a test sets its own.
    void UseClock(const quill::Clock& clock) { m_clock.source = &clock; }
    // Where the task timer's arming reads the time; the machine's unless a test sets its own.
    void UseTimerClock(const quill::TimerClock& clock) { m_timerClock.source = &clock; }

    quill::CursorPlace LocateCursor() override;
    bool StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void Repaint() override;

    // The frame's show, hide, enter and leave, as the frame hands them on.
    void OnFrameEvent(const QEvent& event);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    // The clock the reminder pass reads, switchable for tests.
    struct SwitchableClock : quill::Clock {
        quill::DateTime Now() const override { return source->Now(); }
        QtClock desktop;
        const quill::Clock* source = &desktop;
    };

    QWidget& m_frame;
    CQuillboxDoc& m_document;
    SwitchableClock m_clock;
    struct SwitchableTimerClock : quill::TimerClock {
        std::int64_t WallMs() const override { return source->WallMs(); }
        std::int64_t SteadyMs() const override { return source->SteadyMs(); }
        quill::SystemTimerClock system;
        const quill::TimerClock* source = &system;
    };
    SwitchableTimerClock m_timerClock;
    QtReminderDialog m_reminders;
    quill::DueTaskPass m_duePass;
    quill::FrameTimerDuties m_duties;
    std::unique_ptr<FrameHover> m_frameHover;
    std::map<int, int> m_qtIds; // our id -> Qt's
};
