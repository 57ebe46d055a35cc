#include "core/tasks/MissedReminders.h"

#include "core/settings/ProfileValues.h"
#include "core/tasks/TaskPostpone.h"

#include <algorithm>

namespace quill {

RemindersToShow PickReminders(std::vector<TaskRecord>& tasks, const DateTime& now,
                              const std::optional<DateTime>& checkedUntil) {
    RemindersToShow result;
    auto& missed = result.missed;
    for (TaskRecord& task : tasks) {
        if (task.reminded) {
            continue;
        }
        const auto due = ParseTaskDateTime(task.m_date, task.m_time);
        if (!due) {
            continue;
        }
        const bool isMissed = checkedUntil && *due > *checkedUntil && *due < now;
        if (!isMissed && *due != now) {
            continue;
        }
        task.reminded = true;
        (isMissed ? missed : result.dueNow).push_back({task, *due, isMissed});
    }
    std::stable_sort(
        missed.begin(), missed.end(),
        [](const PendingReminder& a, const PendingReminder& b) { return a.due < b.due; });
    const std::size_t shown = std::min(missed.size(), kMostMissedReminders);
    result.missedNotShown = missed.size() - shown;
    missed.resize(shown);
    return result;
}

namespace {
std::string DueCheckText(const DateTime& at) {
    const TaskDateTexts texts = FormatTaskDateTime(at);
    return texts.date + " " + texts.time;
}

std::optional<DateTime> ParseDueCheck(const std::string& text) {
    const auto space = text.find(' ');
    if (space == std::string::npos) {
        return std::nullopt;
    }
    return ParseTaskDateTime(std::string_view(text).substr(0, space),
                             std::string_view(text).substr(space + 1));
}
} // namespace

LastDueCheck::LastDueCheck(Profile& profile)
    : m_profile(profile), m_checkedUntil(ParseDueCheck(ReadString(profile, values::kLastDueCheck))),
      m_written(m_checkedUntil) {}

void LastDueCheck::Checked(const DateTime& now) {
    m_checkedUntil = now;
    if (m_written == now) {
        return;
    }
    m_written = now;
    // A profile that cannot be written costs only the catch-up after a restart.
    WriteString(m_profile, values::kLastDueCheck, DueCheckText(now));
}

void LastDueCheck::Reopen(const DateTime& now) {
    const DateTime before = AddMinutes(now, -1);
    // Never later than it was: a minute already open stays open. On the very
    // first run, too, only this minute counts.
    if (!m_checkedUntil || before < *m_checkedUntil) {
        m_checkedUntil = before;
    }
}

} // namespace quill
