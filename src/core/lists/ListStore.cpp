#include "lists/ListStore.h"

#include "files/PathNames.h"
#include "links/LinkFile.h"
#include "tasks/TaskFile.h"

#include <functional>

namespace quill {

void ListStore::SetFolder(const std::string& workingFolder) {
    m_linkFilePath = ResolveInFolder(workingFolder, kLinkFileName);
    m_taskFilePath = ResolveInFolder(workingFolder, kTaskFileName);
}

ListsLoadReport ListStore::Reload() {
    std::vector<TaskRecord> previous = std::move(m_tasks);
    m_links.clear();
    m_tasks.clear();
    ListsLoadReport report;
    auto linkStamp = StampOfFile(m_linkFilePath);
    report.links = LoadLinkFile(m_linkFilePath, m_links);
    auto taskStamp = StampOfFile(m_taskFilePath);
    report.tasks = LoadTaskFile(m_taskFilePath, m_tasks);
    CarryOverReminders(previous, m_tasks);
    m_linksAsRead.Remember(linkStamp, m_links);
    m_tasksAsRead.Remember(taskStamp, m_tasks);
    TasksChanged();
    return report;
}

bool ListStore::SaveLinks() {
    m_linksAsRead.TakeInOtherEdits(m_linkFilePath, m_links, LoadLinkFile,
                                   std::equal_to<LinkRecord>());
    const bool ok = SaveLinkFile(m_linkFilePath, m_links);
    if (ok) {
        m_linksAsRead.Remember(StampOfFile(m_linkFilePath), m_links);
    }
    return Saved(ok, m_linkFilePath);
}

bool ListStore::SaveTasks() {
    std::vector<TaskRecord> before = m_tasks;
    m_tasksAsRead.TakeInOtherEdits(m_taskFilePath, m_tasks, LoadTaskFile, SameTask);
    CarryOverReminders(before, m_tasks);
    const bool ok = SaveTaskFile(m_taskFilePath, m_tasks);
    if (ok) {
        m_tasksAsRead.Remember(StampOfFile(m_taskFilePath), m_tasks);
    }
    TasksChanged();
    return Saved(ok, m_taskFilePath);
}

bool ListStore::ChangedElsewhere() const {
    return !m_linksAsRead.Unchanged(m_linkFilePath) || !m_tasksAsRead.Unchanged(m_taskFilePath);
}

void ListStore::TasksChanged() {
    if (m_tasksChanged) {
        m_tasksChanged();
    }
}

bool ListStore::Saved(bool ok, const std::string& path) {
    if (!ok) {
        m_reporter.ReportSaveFailure(path);
    }
    return ok;
}

void CarryOverReminders(const std::vector<TaskRecord>& previous,
                        std::vector<TaskRecord>& reloaded) {
    // Walk both lists in order: a reloaded task takes the mark of the next
    // earlier task with the same texts, so a task removed or added elsewhere in
    // the file does not shift the marks onto other tasks.
    std::size_t next = 0;
    for (TaskRecord& task : reloaded) {
        for (std::size_t j = next; j < previous.size(); ++j) {
            if (SameTask(previous[j], task)) {
                task.reminded = previous[j].reminded;
                next = j + 1;
                break;
            }
        }
    }
}

} // namespace quill
