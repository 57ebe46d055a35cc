#include "core/lists/ListStore.h"

#include "core/files/Log.h"
#include "core/files/PathNames.h"
#include "core/files/RecordFile.h"
#include "core/links/LinkFile.h"
#include "core/tasks/TaskFile.h"

#include <functional>

namespace quill {

namespace {

// Another program's replace can fall between the last look and the rename a
// few times in a row; after that the save is reported as failed.
constexpr int kSaveAttempts = 4;

bool ReadOrCreated(LoadOutcome outcome) {
    return outcome == LoadOutcome::Loaded || outcome == LoadOutcome::CreatedNew;
}

template <typename Record, typename Load, typename Format, typename SameTexts>
bool SaveList(const std::string& path, std::vector<Record>& list, FileAsRead<Record>& asRead,
              Load load, Format format, SameTexts sameTexts, FileError& error) {
    auto loadNoting = [&](const std::string& file, std::vector<Record>& records) {
        return load(file, records, &error);
    };
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        if (!asRead.TakeInOtherEdits(path, list, loadNoting, sameTexts)) {
            return false;
        }
        std::optional<FileStamp> written;
        switch (ReplaceIfUnchanged(path, FormatRecordFile(list, format), asRead.Stamp(), written,
                                   &error)) {
        case GuardedReplace::Replaced:
            asRead.Saved(written, list);
            return true;
        case GuardedReplace::Failed:
            return false;
        case GuardedReplace::Changed:
            break; // taken in on the next round
        }
    }
    error = {"another program kept changing it", 0};
    return false;
}

void LogLoad(const std::string& path, LoadOutcome outcome, const FileError& error) {
    if (outcome == LoadOutcome::Loaded || outcome == LoadOutcome::CreatedNew) {
        LogStep(LogArea::Files, (outcome == LoadOutcome::Loaded ? "read " : "created ") + path);
    } else {
        LogFailure(LogArea::Files, "could not read " + path + ": " + DescribeCause(error));
    }
}

} // namespace

void ListStore::SetFolder(const std::string& workingFolder) {
    const std::string links = ResolveInFolder(workingFolder, kLinkFileName);
    const std::string tasks = ResolveInFolder(workingFolder, kTaskFileName);
    // Unwritten changes belong to the files they were made for.
    if (links != m_linkFilePath) {
        m_linksAsRead.Forget();
    }
    if (tasks != m_taskFilePath) {
        m_tasksAsRead.Forget();
    }
    m_linkFilePath = links;
    m_taskFilePath = tasks;
}

ListsLoadReport ListStore::Reload() {
    std::vector<TaskRecord> previous = std::move(m_tasks);
    m_links.clear();
    m_tasks.clear();
    ListsLoadReport report;
    auto linkStamp = StampOfFile(m_linkFilePath);
    report.links = LoadLinkFile(m_linkFilePath, m_links, &report.linksError);
    LogLoad(m_linkFilePath, report.links, report.linksError);
    auto taskStamp = StampOfFile(m_taskFilePath);
    report.tasks = LoadTaskFile(m_taskFilePath, m_tasks, &report.tasksError);
    LogLoad(m_taskFilePath, report.tasks, report.tasksError);
    m_linksAsRead.Loaded(linkStamp, ReadOrCreated(report.links), m_links,
                         std::equal_to<LinkRecord>());
    m_tasksAsRead.Loaded(taskStamp, ReadOrCreated(report.tasks), m_tasks, SameTask);
    CarryOverReminders(previous, m_tasks);
    TasksChanged();
    return report;
}

bool ListStore::SaveLinks() {
    FileError error;
    const bool ok = SaveList(m_linkFilePath, m_links, m_linksAsRead, LoadLinkFile, FormatLinkLine,
                             std::equal_to<LinkRecord>(), error);
    return Saved(ok, m_linkFilePath, error);
}

bool ListStore::SaveTasks() {
    std::vector<TaskRecord> before = m_tasks;
    FileError error;
    const bool ok = SaveList(m_taskFilePath, m_tasks, m_tasksAsRead, LoadTaskFile, FormatTaskLine,
                             SameTask, error);
    CarryOverReminders(before, m_tasks);
    TasksChanged();
    return Saved(ok, m_taskFilePath, error);
}

bool ListStore::ChangedElsewhere() const {
    return !m_linksAsRead.Unchanged(m_linkFilePath) || !m_tasksAsRead.Unchanged(m_taskFilePath);
}

void ListStore::TasksChanged() {
    if (m_tasksChanged) {
        m_tasksChanged();
    }
}

bool ListStore::Saved(bool ok, const std::string& path, const FileError& cause) {
    if (ok) {
        LogStep(LogArea::Files, "saved " + path);
    } else {
        LogFailure(LogArea::Files, "could not save " + path + ": " + DescribeCause(cause));
        m_reporter.ReportSaveFailure(path, cause);
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
