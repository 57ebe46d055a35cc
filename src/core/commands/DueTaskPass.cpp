#include "core/commands/DueTaskPass.h"

#include "core/files/Log.h"
#include "core/tasks/TaskPostpone.h"

namespace quill {

DueTaskPass::DueTaskPass(ListStore& store, const Clock& clock, ReminderDialog& dialog,
                         AllViews& views, Profile& profile)
    : m_store(store), m_clock(clock), m_dialog(dialog), m_views(views), m_lastCheck(profile) {}

void DueTaskPass::Run() {
    const DateTime now = m_clock.Now();
    RemindersToShow picked = PickReminders(m_store.Tasks(), now, m_lastCheck.CheckedUntil());
    // Recorded before any dialog (the tasks were looked at): a pass running
    // while one is open starts from here.
    m_lastCheck.Checked(now);
    for (const PendingReminder& pending : picked.missed) {
        Show(pending);
    }
    if (picked.missedNotShown > 0) {
        m_dialog.ShowMoreMissed(picked.missedNotShown);
    }
    for (const PendingReminder& pending : picked.dueNow) {
        Show(pending);
    }
}

void DueTaskPass::LookAgainAtThisMinute() {
    m_lastCheck.Reopen(m_clock.Now());
}

void DueTaskPass::Show(const PendingReminder& pending) {
    auto& tasks = m_store.Tasks();
    // Deleted or changed while an earlier reminder was open: nothing left to remind of.
    if (!FindTaskByTexts(tasks, pending.task)) {
        return;
    }
    // The task's text stays out of the log: it is the user's own.
    LogStep(LogArea::Reminders,
            pending.missed ? "showing a missed reminder" : "showing a reminder");
    const ReminderReply reply =
        m_dialog.ShowReminder(pending.due, pending.task.m_comment, pending.missed);
    if (reply.answer == ReminderAnswer::Ok) {
        return;
    }
    if (reply.answer == ReminderAnswer::Later) {
        const DateTime newDue = AddMinutes(m_clock.Now(), reply.laterMinutes);
        if (PostponeTask(tasks, pending.task, newDue)) {
            Save();
        }
        return;
    }
    if (auto at = FindTaskByTexts(tasks, pending.task)) {
        tasks.erase(tasks.begin() + static_cast<long>(*at));
        Save();
    }
}

void DueTaskPass::Save() {
    // Unsaved, the list keeps the change and the store tells the user; the
    // next reload brings the file's contents back.
    m_store.SaveTasks();
    m_views.UpdateAllViews();
}

} // namespace quill
