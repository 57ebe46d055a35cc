#pragma once

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

    void Start() { m_duties.StartTimers(); }
    void OnTimer(int id) { m_duties.OnTimer(id); }

    quill::FrameTimerDuties& Duties() { return m_duties; }
    bool IsRunning(int id) const { return m_qtIds.contains(id); }

    quill::CursorPlace LocateCursor() override;
    bool StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void Repaint() override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QWidget& m_frame;
    QtClock m_clock;
    QtReminderDialog m_reminders;
    quill::DueTaskPass m_duePass;
    quill::FrameTimerDuties m_duties;
    std::map<int, int> m_qtIds; // our id -> Qt's
    static constexpr int kOutsideLookEvery = 5;
    quill::CursorPlace m_lastPlace = quill::CursorPlace::Outside;
    int m_ticksSinceLook = 0;
};
