#pragma once

#include "commands/DueTaskPass.h"
#include "common/QtClock.h"
#include "frame/FrameTimerDuties.h"
#include "frame/FrameWindowProbe.h"
#include "frame/MinuteAlarm.h"
#include "tasks/QtReminderDialog.h"

#include <QObject>
#include <map>
#include <memory>

class CQuillboxDoc;
class FrameTransparency;
class FrameHover;

// The frame's timers 111 to 114, each tick handed to the logic through one
// OnTimer(id); what those ticks read from the window; and the window's
// showing, hiding and cursor crossings, which decide when the cursor poll runs.
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_frame;
    QtClock m_clock;
    quill::SystemTimerClock m_timerClock;
    QtReminderDialog m_reminders;
    quill::DueTaskPass m_duePass;
    quill::FrameTimerDuties m_duties;
    std::unique_ptr<FrameHover> m_frameHover;
    std::map<int, int> m_qtIds; // our id -> Qt's
};
