#include "lists/ListStore.h"

#include "files/PathNames.h"
#include "links/LinkFile.h"
#include "tasks/TaskFile.h"

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
    report.links = LoadLinkFile(m_linkFilePath, m_links);
    report.tasks = LoadTaskFile(m_taskFilePath, m_tasks);
    CarryOverReminders(previous, m_tasks);
    return report;
}

bool ListStore::SaveLinks() {
    return Saved(SaveLinkFile(m_linkFilePath, m_links), m_linkFilePath);
}

bool ListStore::SaveTasks() {
    return Saved(SaveTaskFile(m_taskFilePath, m_tasks), m_taskFilePath);
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
