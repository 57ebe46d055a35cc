#include "commands/DueTaskPass.h"

#include <algorithm>

namespace quill {

DueTaskPass::DueTaskPass(ListStore& store, const Clock& clock, ReminderDialog& dialog,
                         AllViews& views)
    : m_store(store), m_clock(clock), m_dialog(dialog), m_views(views) {}

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
    while (auto index = NextToRemind(now)) {
        TaskRecord& task = m_store.Tasks()[*index];
        task.reminded = true;
        // Copied: the record may be gone or moved when the dialog closes.
        const TaskRecord shown = task;
        if (m_dialog.ShowReminder(now, shown.m_comment) == ReminderAnswer::Delete) {
            Delete(*index, shown);
        }
    }
}

// The first task, in list order, due in this minute and not yet reminded.
std::optional<std::size_t> DueTaskPass::NextToRemind(const DateTime& now) const {
    const auto& tasks = m_store.Tasks();
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        if (tasks[i].reminded) {
            continue;
        }
        auto due = ParseTaskDateTime(tasks[i].m_date, tasks[i].m_time);
        if (due && *due == now) {
            return i;
        }
    }
    return std::nullopt;
}

void DueTaskPass::Delete(std::size_t shownAt, const TaskRecord& shown) {
    auto& tasks = m_store.Tasks();
    std::size_t index = shownAt;
    if (index >= tasks.size() || !SameTask(tasks[index], shown)) {
        auto it = std::find_if(tasks.begin(), tasks.end(),
                               [&shown](const TaskRecord& task) { return SameTask(task, shown); });
        if (it == tasks.end()) {
            return; // already gone
        }
        index = static_cast<std::size_t>(it - tasks.begin());
    }
    tasks.erase(tasks.begin() + static_cast<long>(index));
    // Unsaved, the task stays out of the list; the next reload brings it back.
    m_store.SaveTasks();
    m_views.UpdateAllViews();
}

} // namespace quill
