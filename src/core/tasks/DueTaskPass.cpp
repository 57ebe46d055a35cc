#include "tasks/DueTaskPass.h"

#include "app/Clock.h"
#include "frame/AllViews.h"
#include "frame/MainFrameState.h"
#include "tasks/ReminderDialog.h"
#include "tasks/TaskFile.h"

#include <algorithm>

namespace quill {

bool DueTaskPass::ShownTask::Names(const TaskRecord& task) const {
    return task.m_date == date && task.m_time == time && task.m_comment == comment;
}

DueTaskPass::DueTaskPass(MainFrameState& state, const Clock& clock, ReminderDialog& dialog,
                         AllViews& views)
    : m_state(state), m_clock(clock), m_dialog(dialog), m_views(views) {}

void DueTaskPass::Run() {
    if (m_running) {
        m_passRequested = true;
        return;
    }
    m_running = true;
    do {
        m_passRequested = false;
        RunOnce(m_clock.Now());
    } while (m_passRequested);
    m_running = false;
}

void DueTaskPass::RunOnce(const DateTime& now) {
    if (now != m_minute) {
        m_minute = now;
        m_shownThisMinute.clear();
    }
    while (auto index = NextToRemind(now)) {
        TaskRecord& task = m_state.m_tasks[*index];
        task.reminded = true;
        // Copied: the record may be gone or moved when the dialog closes.
        ShownTask shown{task.m_date, task.m_time, task.m_comment};
        m_shownThisMinute.push_back(shown);
        if (m_dialog.ShowReminder(now, shown.comment) == ReminderAnswer::Delete) {
            Delete(*index, shown);
        }
    }
}

// The first due task, in list order, that has not been shown in this minute.
// Records with equal texts count one by one: the first n of them are the n
// already shown.
std::optional<std::size_t> DueTaskPass::NextToRemind(const DateTime& now) {
    auto& tasks = m_state.m_tasks;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        TaskRecord& task = tasks[i];
        auto due = ParseTaskDateTime(task.m_date, task.m_time);
        if (!due || *due != now) {
            continue;
        }
        auto sameTexts = [&task](const auto& other) {
            return other.m_date == task.m_date && other.m_time == task.m_time &&
                   other.m_comment == task.m_comment;
        };
        auto earlier =
            std::count_if(tasks.begin(), tasks.begin() + static_cast<long>(i), sameTexts);
        auto shown = std::count_if(m_shownThisMinute.begin(), m_shownThisMinute.end(),
                                   [&task](const ShownTask& s) { return s.Names(task); });
        if (earlier < shown) {
            task.reminded = true; // a reloaded copy of a task already shown
            continue;
        }
        if (!task.reminded) {
            return i;
        }
    }
    return std::nullopt;
}

void DueTaskPass::Delete(std::size_t shownAt, const ShownTask& shown) {
    auto& tasks = m_state.m_tasks;
    std::size_t index = shownAt;
    if (index >= tasks.size() || !shown.Names(tasks[index])) {
        auto it = std::find_if(tasks.begin(), tasks.end(),
                               [&shown](const TaskRecord& task) { return shown.Names(task); });
        if (it == tasks.end()) {
            return; // already gone
        }
        index = static_cast<std::size_t>(it - tasks.begin());
    }
    tasks.erase(tasks.begin() + static_cast<long>(index));
    if (SaveTaskFile(m_state.m_taskFilePath, tasks)) {
        auto it = std::find_if(
            m_shownThisMinute.begin(), m_shownThisMinute.end(), [&shown](const ShownTask& s) {
                return s.date == shown.date && s.time == shown.time && s.comment == shown.comment;
            });
        if (it != m_shownThisMinute.end()) {
            m_shownThisMinute.erase(it);
        }
    } else {
        // Kept as shown: the next reload brings the task back, but not its reminder.
        m_dialog.ReportTaskFileNotSaved(m_state.m_taskFilePath);
    }
    m_views.UpdateAllViews();
}

} // namespace quill
