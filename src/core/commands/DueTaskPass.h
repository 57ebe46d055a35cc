#pragma once

#include "core/lists/AllViews.h"
#include "core/lists/ListStore.h"
#include "core/tasks/Clock.h"
#include "core/tasks/MissedReminders.h"
#include "core/tasks/ReminderDialog.h"

namespace quill {

class Profile;

// The reminder duty of the task timer: shows each task due in the current
// minute once (whether it was there at start, added, edited or written by
// another program meanwhile), catches up the ones whose minute passed unseen
// (program closed, machine asleep, clock moved on, a pass held up), and deletes
// or postpones a task on request.
//
// The list may change while a reminder is open (a reload on activation,
// another command, the link pickup). So the pass marks the tasks it picks
// reminded before showing any, skips one that is gone by the time its turn
// comes, and finds a task to change again by its texts. A reload keeps the
// marks of unchanged tasks, so a reminder already shown does not come back.
//
// A pass may run while an earlier pass's reminder is still open (the timer
// keeps ticking): it shows its own reminders on top, so a later task is not
// held up by a reminder the user has not answered yet.
class DueTaskPass {
public:
    DueTaskPass(ListStore& store, const Clock& clock, ReminderDialog& dialog, AllViews& views,
                Profile& profile);

    // Shows the tasks of this minute and any missed since the last pass.
    void Run();
    // The list changed (added, edited, postponed, read again) or the program
    // has just started: the next pass looks at this minute's tasks again, even
    // if it comes only after the minute has ended. Shows nothing itself.
    void LookAgainAtThisMinute();

private:
    void Show(const PendingReminder& pending);
    void Save();

    ListStore& m_store;
    const Clock& m_clock;
    ReminderDialog& m_dialog;
    AllViews& m_views;
    LastDueCheck m_lastCheck;
};

} // namespace quill
