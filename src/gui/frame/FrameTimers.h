#pragma once

#include "QtProfile.h"
#include "commands/DueTaskPass.h"
#include "common/QtClock.h"
#include "frame/FrameTimerDuties.h"
#include "frame/FrameWindowProbe.h"
#include "tasks/QtReminderDialog.h"

#include <QObject>
#include <map>

class CQuillboxDoc;
class FrameTransparency;

// The frame's timers 111, 112 and 113, each tick handed to the logic through
// one OnTimer(id); and what those ticks read from the window.
class FrameTimers : public QObject, public quill::FrameWindowProbe {
    Q_OBJECT
public:
    FrameTimers(QWidget& frame, CQuillboxDoc& document, const quill::FrameSettings& settings,
                FrameTransparency& alpha);
    ~FrameTimers() override;

    // Starts the timers and, once the event loop runs, catches up the
    // reminders missed while the program was not running.
    void Start();
    void OnTimer(int id) { m_duties.OnTimer(id); }

    quill::FrameTimerDuties& Duties() { return m_duties; }
    bool IsRunning(int id) const { return m_qtIds.contains(id); }
    // Where the reminders take "now" from; the desktop's clock unless a test sets its own.
    void UseClock(const quill::Clock& clock) { m_clock.source = &clock; }

    quill::CursorPlace LocateCursor() override;
    bool StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void Repaint() override;

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
    SwitchableClock m_clock;
    QtProfile m_profile; // where the reminders keep their last checked minute
    QtReminderDialog m_reminders;
    quill::DueTaskPass m_duePass;
    quill::FrameTimerDuties m_duties;
    std::map<int, int> m_qtIds; // our id -> Qt's
    static constexpr int kOutsideLookEvery = 5;
    quill::CursorPlace m_lastPlace = quill::CursorPlace::Outside;
    int m_ticksSinceLook = 0;
};
