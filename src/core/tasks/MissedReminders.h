#pragma once

#include "core/tasks/TaskDateTime.h"
#include "core/tasks/TaskRecord.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quill {

class Profile;

// After a long absence only this many missed reminders come one by one; the
// rest are counted in one message.
inline constexpr std::size_t kMostMissedReminders = 5;

struct PendingReminder {
    TaskRecord task; // a copy: the list may change while an earlier reminder is open
    DateTime due;
    bool missed = false; // its minute had passed before the pass saw it
};

struct RemindersToShow {
    std::vector<PendingReminder> missed; // oldest first, at most the cap
    std::size_t missedNotShown = 0;
    std::vector<PendingReminder> dueNow; // in list order
};

// Picks the tasks not yet reminded that fall due in the minute `now` or lie
// after `checkedUntil` and before `now`; without `checkedUntil` nothing counts
// as missed. Every picked task is marked reminded, the missed ones beyond the
// cap as well.
RemindersToShow PickReminders(std::vector<TaskRecord>& tasks, const DateTime& now,
                              const std::optional<DateTime>& checkedUntil);

// "Status"/"Last due check": the minute up to which tasks have been looked
// at, kept across runs so that a restart, a sleep or a clock jump can tell
// which reminders were missed. Absent before the first pass ever.
class LastDueCheck {
public:
    explicit LastDueCheck(Profile& profile);

    const std::optional<DateTime>& CheckedUntil() const { return m_checkedUntil; }
    // Writes to the profile only when the minute changed, so at most once a minute.
    void Checked(const DateTime& now);
    // The minute `now` counts as not looked at yet (the list changed, or the
    // program has just started), so that a pass coming only after it has
    // ended still finds its tasks. Nothing is written.
    void Reopen(const DateTime& now);

private:
    Profile& m_profile;
    std::optional<DateTime> m_checkedUntil;
    std::optional<DateTime> m_written; // what the profile holds
};

} // namespace quill
